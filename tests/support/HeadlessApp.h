#pragma once

#include <string>
#include <vector>

#include "platform/Application.h"
#include "platform/Form.h"
#include "platform/headless/HeadlessBackend.h"

namespace lymn::test {

// A headless application whose boxes are recorded, for the tests.
struct HeadlessApp {
    struct Box {
        BoxKind kind;
        std::string caption;
        std::string text;
    };

    HeadlessApp();

    // Mouse and key input to a form, processed at once.
    void click(Form& f, Point p);
    void press(Form& f, Point p);
    void move(Form& f, Point p);
    void release(Form& f, Point p);
    void key(Form& f, Key k, unsigned mods = 0);
    void type(Form& f, const std::string& text);
    // Centre of a control, in its form's coordinates.
    static Point centre(const Control& c);
    std::vector<std::string> boxTexts() const;

    HeadlessBackend backend;
    Application app;
    std::vector<Box> boxes;
};

}  // namespace lymn::test
