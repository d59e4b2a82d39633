#pragma once
// Runs a simulated radio on a pseudo-terminal: the program under test opens
// the pty's slave (through a symlink) as its serial port.
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "link/SimulatedRadio.h"

namespace vantrelctl {

struct SimTiming {
    // From the moment the program wrote the 0x00 that ends a request to the
    // first byte of the answer. The default is about one byte time, which the
    // real line never beats.
    // 0 answers at once, as an adapter that buffers may deliver it.
    std::chrono::microseconds reaction{10000};
    // Bytes take 11 bit times at 1200 baud in both directions.
    bool pace = false;
    // Every program byte comes back, as on a single-wire cable, echoDelay
    // after it reached the radio (an adapter's latency timer holds it back;
    // the answers behind it wait too).
    bool echo = false;
    std::chrono::microseconds echoDelay{0};
};

// One radio of a simulator run: its own pty behind linkPath. onWriteDone
// runs after each complete write with the radio's new image.
struct SimPlace {
    vantrel::link::SimulatedRadio* radio;
    std::string linkPath;
    std::function<void()> onWriteDone;
};

// Creates a pty for each radio, points its link at the pty's slave and plays
// every radio until SIGTERM or SIGINT, then removes the links. The radios
// share one loop but no line: each has its own pty, timing and state.
// Returns the exit code.
int RunSimulator(const std::vector<SimPlace>& radios, const SimTiming& timing);

}  // namespace vantrelctl
