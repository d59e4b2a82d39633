#include <cstdio>

#include "Commands.h"

namespace vantrelctl {

int CmdShow(int, char**) {
    std::fprintf(stderr, "vantrelctl: 'show' is not available yet\n");
    return 2;
}

}  // namespace vantrelctl
