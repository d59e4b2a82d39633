#pragma once
// Runs vantrelctl with the given arguments and collects what it prints on
// standard output and standard error together.
#include <sys/wait.h>

#include <cstdio>
#include <string>

struct CtlRun {
    int exitCode;
    std::string out;
};

inline CtlRun vantrelctl(const std::string& args) {
    const std::string cmd = std::string(VANTRELCTL_PATH) + " " + args + " 2>&1";
    FILE* p = popen(cmd.c_str(), "r");
    CtlRun r{-1, ""};
    if (!p) return r;
    char buf[512];
    while (std::fgets(buf, sizeof buf, p)) r.out += buf;
    const int status = pclose(p);
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}
