#include "tests/support/HeadlessApp.h"

namespace lymn::test {

// The user only keeps a reference to the backend made just after it.
HeadlessApp::HeadlessApp() : SimulatedUser(backend), app(backend) {
    app.setTitle("test");
    app.setBoxHandler([this](BoxKind kind, const std::string& caption, const std::string& text) {
        boxes.push_back({kind, caption, text});
    });
}

std::vector<std::string> HeadlessApp::boxTexts() const {
    std::vector<std::string> out;
    for (auto& b : boxes) out.push_back(b.text);
    return out;
}

}  // namespace lymn::test
