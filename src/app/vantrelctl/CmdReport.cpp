#include <cstdio>

#include "Commands.h"

namespace vantrelctl {

int CmdReport(int, char**) {
    std::fprintf(stderr, "vantrelctl: 'report' is not available yet\n");
    return 2;
}

}  // namespace vantrelctl
