#pragma once

#include <string>

#include "platform/Event.h"
#include "platform/Geometry.h"

namespace lymn {

class Control;
class Form;
class HeadlessBackend;

// A user at the mouse and keyboard of a headless backend. Positions are in the coordinates of
// the form acted on; every action ends with the form's application processing what it caused,
// as the message loop would before the user's next move.
class SimulatedUser {
  public:
    explicit SimulatedUser(HeadlessBackend& backend) : backend_(backend) {}

    // The pointer goes to p.
    void move(Form& f, Point p);
    // The pointer goes to p and the left button goes down there (clicks 2: a double click).
    void press(Form& f, Point p, int clicks = 1);
    // The pointer goes to p and the left button comes up there.
    void release(Form& f, Point p);
    void click(Form& f, Point p);
    // A key goes down and up again; text is what it types in between, as a keyboard's text
    // input does (empty for a key that types nothing).
    void key(Form& f, Key k, unsigned mods = 0, const std::string& text = {});
    // Text arriving in one piece, as an input method or a paste of keys delivers it.
    void type(Form& f, const std::string& text);

    static Point centre(const Rect& r);
    // The centre of a control, in its form's coordinates.
    static Point centre(const Control& c);

  private:
    HeadlessBackend& backend_;
};

}  // namespace lymn
