#include <cstdio>

#include "Commands.h"

namespace vantrelctl {

int CmdSimulate(int, char**) {
    std::fprintf(stderr, "vantrelctl: 'simulate' is not available yet\n");
    return 2;
}

}  // namespace vantrelctl
