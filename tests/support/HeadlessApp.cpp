#include "tests/support/HeadlessApp.h"

namespace lymn::test {

HeadlessApp::HeadlessApp() : app(backend) {
    app.setTitle("test");
    app.setBoxHandler([this](BoxKind kind, const std::string& caption, const std::string& text) {
        boxes.push_back({kind, caption, text});
    });
}

void HeadlessApp::click(Form& f, Point p) {
    press(f, p);
    release(f, p);
}

void HeadlessApp::press(Form& f, Point p) {
    backend.mouseMove(f.window().id(), p);
    backend.mouseDown(f.window().id(), p);
    app.processMessages();
}

void HeadlessApp::move(Form& f, Point p) {
    backend.mouseMove(f.window().id(), p);
    app.processMessages();
}

void HeadlessApp::release(Form& f, Point p) {
    backend.mouseUp(f.window().id(), p);
    app.processMessages();
}

void HeadlessApp::key(Form& f, Key k, unsigned mods) {
    backend.keyDown(f.window().id(), k, mods);
    backend.keyUp(f.window().id(), k, mods);
    app.processMessages();
}

void HeadlessApp::type(Form& f, const std::string& text) {
    backend.text(f.window().id(), text);
    app.processMessages();
}

Point HeadlessApp::centre(const Control& c) {
    const Rect r = c.formRect();
    return {r.left + r.width() / 2, r.top + r.height() / 2};
}

std::vector<std::string> HeadlessApp::boxTexts() const {
    std::vector<std::string> out;
    for (auto& b : boxes) out.push_back(b.text);
    return out;
}

}  // namespace lymn::test
