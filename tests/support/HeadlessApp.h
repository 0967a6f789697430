#pragma once

#include <string>
#include <vector>

#include "platform/Application.h"
#include "platform/Form.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/headless/SimulatedUser.h"

namespace lymn::test {

// A headless application whose boxes are recorded, and the user at its mouse and keyboard
// (click, press, move, release, key, type on a form), for the tests.
struct HeadlessApp : SimulatedUser {
    struct Box {
        BoxKind kind;
        std::string caption;
        std::string text;
    };

    HeadlessApp();

    std::vector<std::string> boxTexts() const;

    HeadlessBackend backend;
    Application app;
    std::vector<Box> boxes;
};

}  // namespace lymn::test
