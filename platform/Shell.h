#pragma once

#include <string>

namespace lymn::shell {

// Asks the desktop to open an address or file with its default program (xdg-open, started
// directly, never through a shell). Returns whether the opener could be started; what the
// opener does afterwards is not followed.
bool open(const std::string& target);

}  // namespace lymn::shell
