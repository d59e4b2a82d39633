#pragma once
// The link primitives: send one protocol byte (as the pair byte, 0x00), send a
// 16-byte block, receive one byte, receive a 9- or 10-byte block. Each leaves
// its result in the link state (linkError, lastByte, lastBlock). Time-outs run
// on the 200 ms link tick: an armed time-out lasts 10 ticks (1.8 to 2.0 s).
//
// "Sent" means the bytes have left the line (the device has drained), so
// clearing the queues after a send only has input left to discard: anything
// the radio echoed or sent early is dropped before the next receive.
#include <array>
#include <chrono>
#include <cstdint>

#include "link/ByteDevice.h"
#include "link/LinkObserver.h"

namespace vantrel::link {

constexpr std::chrono::milliseconds kTickPeriod{200};
constexpr int kTimeoutTicks = 10;
// The polled receive counts polls rather than ticks. One poll is taken to
// last 20 us, so 500 000 polls wait 10 s and 200 000 polls 4 s.
constexpr std::chrono::microseconds kPollTime{20};

struct LinkState {
    int timeoutTicks = 0;
    bool timeoutArmed = false;
    bool timeoutExpired = false;
    bool linkError = false;
    std::uint8_t lastByte = 0;
    Bytes lastBlock;
    bool abortWait = false;
    bool blinkOn = false;
    bool blinkGreen = false;
    bool blinkPhase = false;
    int blinkTicks = 0;
};

class Link {
public:
    explicit Link(ByteDevice& device) : device_(device) {}

    ByteDevice& device() { return device_; }
    void setObserver(LinkObserver* observer) { observer_ = observer; }

    void SendByte(std::uint8_t b);
    void SendBlock(const std::array<std::uint8_t, 16>& buffer);
    void ReceiveByte();
    // Waits for one byte for as long as pollBudget polls last (see kPollTime).
    void ReceiveBytePolled(double pollBudget);
    void ReceiveBlock(std::size_t n);
    // A pause the radio's timing asks for; the link tick keeps running.
    void Pause(std::chrono::milliseconds length);

    void StartBlink(Indicator which);
    void StopBlink();

    // Starts a transfer: forgets an abort of the previous one.
    void BeginTransfer();
    // Closing the read/write dialog: every wait ends at once with linkError,
    // and stays that way until the next transfer begins.
    void Abort();
    bool aborted() const { return state_.abortWait; }

    bool linkError() const { return state_.linkError; }
    std::uint8_t lastByte() const { return state_.lastByte; }
    const Bytes& lastBlock() const { return state_.lastBlock; }
    const LinkState& state() const { return state_; }

    // The 200 ms tick: counts the armed time-out down and blinks the indicator.
    void OnLinkTimerTick();

private:
    void ArmTimeout();
    void DisarmTimeout();
    // Sends bytes and waits until they have left the line; false on time-out.
    bool SendAndDrain(const Bytes& bytes);
    // Waits for at least n input bytes; false on time-out, abort or deadline.
    bool AwaitInput(std::size_t n, Clock::time_point deadline);
    template <class Done>
    bool WaitFor(Done done, Clock::time_point deadline);

    ByteDevice& device_;
    LinkObserver* observer_ = nullptr;
    LinkState state_;
};

}  // namespace vantrel::link
