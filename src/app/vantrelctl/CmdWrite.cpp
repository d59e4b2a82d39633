#include <cstdio>

#include "Commands.h"

namespace vantrelctl {

int CmdWrite(int, char**) {
    std::fprintf(stderr, "vantrelctl: 'write' is not available yet\n");
    return 2;
}

}  // namespace vantrelctl
