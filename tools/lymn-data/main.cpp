#include <iostream>

#include "tools/lymn-data/DataTool.h"

int main(int argc, char** argv) {
    return lymn::tools::runDataTool({argv + 1, argv + argc}, std::cout, std::cerr);
}
