#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/HeadlessApp.h"

namespace lymn::test {

// A shown form for editor controls, with a log of their change notifications.
class EditorFixture : public ::testing::Test {
  protected:
    EditorFixture() : form(h.app) {
        form.setSize(400, 300);
        form.setFont({"MS Sans Serif", 11, false, colors::black});
    }
    void show() { form.show(); }
    void log(const std::string& s) { events.push_back(s); }

    HeadlessApp h;
    Form form;
    std::vector<std::string> events;
};

}  // namespace lymn::test
