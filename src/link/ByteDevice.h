#pragma once
// The byte transport under the link primitives: a serial port in the program,
// an in-memory line in tests. All waiting goes through wait(), which sleeps
// until something happens; nothing here busy-polls.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vantrel::link {

using Bytes = std::vector<std::uint8_t>;
using Clock = std::chrono::steady_clock;

class ByteDevice {
public:
    enum class Wake {
        Activity,     // input arrived, output progressed or the device failed
        Tick,         // the 200 ms link tick
        Interrupted,  // interrupt() was called (an abort)
        Deadline,     // the deadline passed
    };

    virtual ~ByteDevice() = default;

    // Opens the line; on failure returns false and leaves a reason in error.
    virtual bool open(std::string& error) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // Discards input that has arrived and not been read.
    virtual void clearInput() = 0;
    // Hands bytes to the output; false when the device cannot take them.
    virtual bool queue(const Bytes& bytes) = 0;
    // True once every queued byte has left the line (not merely the program).
    virtual bool drained() = 0;
    virtual std::size_t available() = 0;
    virtual Bytes readAll() = 0;

    virtual Clock::time_point now() const = 0;
    // Sleeps until activity, a tick, an interrupt or the deadline. The device
    // produces the 200 ms link tick for as long as it exists, open or not, so
    // that transfers on a closed port still time out. Only ticks that fall
    // during a wait are reported: one from the time before belongs to no
    // time-out and would cut the next one short.
    virtual Wake wait(Clock::time_point deadline) = 0;
    // Makes a wait in progress (or the next one) return Interrupted.
    virtual void interrupt() = 0;
};

}  // namespace vantrel::link
