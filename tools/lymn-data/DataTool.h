#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace lymn::tools {

// lymn-data: builds, dumps and checks data files. Returns the exit status.
int runDataTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace lymn::tools
