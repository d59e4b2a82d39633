#include "HiddenLine.h"

#include <csignal>
#include <iterator>
#include <cstdio>
#include <iostream>
#include <termios.h>
#include <unistd.h>

namespace vantrelctl {

namespace {

// The signals whose default action ends the program while it waits for a line.
constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

termios savedTerminal{};

// Restores the echo, then lets the signal end the program as it would have.
void restoreAndEnd(int signal) {
    ::tcsetattr(0, TCSANOW, &savedTerminal);
    std::signal(signal, SIG_DFL);
    ::raise(signal);
}

}  // namespace

std::string AskHidden(const char* prompt) {
    std::fprintf(stderr, "%s", prompt);
    const bool tty = ::tcgetattr(0, &savedTerminal) == 0;
    struct sigaction ending {}, before[std::size(kEndingSignals)] {};
    ending.sa_handler = restoreAndEnd;
    sigemptyset(&ending.sa_mask);
    if (tty) {
        for (std::size_t k = 0; k < std::size(kEndingSignals); ++k) {
            ::sigaction(kEndingSignals[k], nullptr, &before[k]);
            // A signal the program was started to ignore stays ignored.
            if (before[k].sa_handler != SIG_IGN) ::sigaction(kEndingSignals[k], &ending, nullptr);
        }
        termios quiet = savedTerminal;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        ::tcsetattr(0, TCSANOW, &quiet);
    }
    std::string line;
    std::getline(std::cin, line);
    if (tty) {
        ::tcsetattr(0, TCSANOW, &savedTerminal);
        for (std::size_t k = 0; k < std::size(kEndingSignals); ++k) ::sigaction(kEndingSignals[k], &before[k], nullptr);
    }
    std::fputc('\n', stderr);
    return line;
}

}  // namespace vantrelctl
