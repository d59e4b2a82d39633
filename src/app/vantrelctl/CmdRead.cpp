#include <cstdio>

#include "Commands.h"

namespace vantrelctl {

int CmdRead(int, char**) {
    std::fprintf(stderr, "vantrelctl: 'read' is not available yet\n");
    return 2;
}

}  // namespace vantrelctl
