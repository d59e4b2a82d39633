#pragma once
// The byte transport under the link primitives: a serial port in the program,
// an in-memory line in tests, a tracing wrapper around either. All waiting
// goes through wait(), which sleeps until something happens; nothing here
// busy-polls.
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
        Activity,     // input arrived or output progressed
        Tick,         // the 200 ms link tick
        Interrupted,  // interrupt() was called (an abort)
        Deadline,     // the deadline passed
        Closing,      // the application is quitting: no wait can sleep any more
        Lost,         // the device went away or hung up (a pulled cable)
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
    // Sleeps until activity, a tick, an interrupt or the deadline. Ticks come
    // every 200 ms, but only while a wait runs: a tick from idle time (between
    // transfers, or while the user types a password) belongs to no time-out
    // and would cut the next one short. Closing and Lost are reported by every
    // wait for as long as they hold (Lost until the device is opened again).
    virtual Wake wait(Clock::time_point deadline) = 0;
    // Makes a wait in progress (or the next one) return Interrupted.
    virtual void interrupt() = 0;

    // For a trace of the line (devices that keep none ignore both): the step
    // the link starts ("SendByte 0x52", "Pause 10 ms"), and something that
    // happened ("failed: time-out", "read begins").
    virtual void step(const std::string& /*what*/) {}
    virtual void note(const std::string& /*what*/) {}
};

}  // namespace vantrel::link
