#pragma once
// Runs a program with its standard output and error captured apart, an
// environment of the caller's choosing and a time limit, without Qt.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

namespace vantrel::test {

struct ProgramRun {
    int exitCode = -1;   // -1: killed by a signal or by the time limit
    std::string out;
    std::string err;
    bool timedOut = false;
};

struct EnvChange {
    std::string name;
    const char* value;   // nullptr removes the variable
};

inline ProgramRun RunProgram(const std::vector<std::string>& argv, const std::vector<EnvChange>& env = {},
                             std::chrono::milliseconds limit = std::chrono::seconds(30)) {
    ProgramRun run;
    int outPipe[2], errPipe[2];
    if (::pipe2(outPipe, O_CLOEXEC) != 0) return run;
    if (::pipe2(errPipe, O_CLOEXEC) != 0) return run;
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(outPipe[1], 1);
        ::dup2(errPipe[1], 2);
        for (const EnvChange& e : env) e.value ? ::setenv(e.name.c_str(), e.value, 1) : ::unsetenv(e.name.c_str());
        ::execv(args[0], args.data());
        ::_exit(127);
    }
    ::close(outPipe[1]);
    ::close(errPipe[1]);
    pollfd fds[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
    std::string* sinks[2] = {&run.out, &run.err};
    const auto deadline = std::chrono::steady_clock::now() + limit;
    int open = 2;
    while (open > 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            run.timedOut = true;
            ::kill(child, SIGKILL);
            break;
        }
        if (::poll(fds, 2, static_cast<int>(left.count())) < 0) continue;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || !fds[i].revents) continue;
            char buffer[4096];
            const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                sinks[i]->append(buffer, static_cast<std::size_t>(n));
            } else {
                ::close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
    for (const pollfd& f : fds)
        if (f.fd >= 0) ::close(f.fd);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!run.timedOut && WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
    return run;
}

}  // namespace vantrel::test
