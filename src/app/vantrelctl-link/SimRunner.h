#pragma once
// Runs a simulated radio on a pseudo-terminal: the program under test opens
// the pty's slave (through a symlink) as its serial port.
#include <chrono>
#include <functional>
#include <string>

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

// Creates the pty, points linkPath at its slave and plays the radio until
// SIGTERM or SIGINT, then removes the link. onWriteDone runs after each
// complete write with the radio's new image. Returns the exit code.
int RunSimulator(vantrel::link::SimulatedRadio& radio, const std::string& linkPath,
                 const SimTiming& timing, const std::function<void()>& onWriteDone);

}  // namespace vantrelctl
