#include "link/Link.h"

namespace vantrel::link {

namespace {
constexpr Clock::time_point kNoDeadline = Clock::time_point::max();
}

void Link::ArmTimeout() {
    state_.timeoutTicks = kTimeoutTicks;
    state_.timeoutExpired = false;
    state_.timeoutArmed = true;
}

void Link::DisarmTimeout() {
    state_.timeoutExpired = false;
    state_.timeoutArmed = false;
}

template <class Done>
bool Link::WaitFor(Done done, Clock::time_point deadline) {
    for (;;) {
        if (state_.abortWait || state_.timeoutExpired) return false;
        if (done()) return true;
        if (device_.now() >= deadline) return false;
        if (device_.wait(deadline) == ByteDevice::Wake::Tick) OnLinkTimerTick();
    }
}

bool Link::SendAndDrain(const Bytes& bytes) {
    // After an abort nothing more goes to the radio.
    if (state_.abortWait) return false;
    device_.clearInput();
    ArmTimeout();
    const bool queued = device_.queue(bytes);
    // A device that refused the bytes never drains: the send times out.
    const bool ok = WaitFor([&] { return queued && device_.drained(); }, kNoDeadline);
    DisarmTimeout();
    device_.clearInput();
    return ok;
}

void Link::SendByte(std::uint8_t b) {
    state_.linkError = false;
    state_.linkError = !SendAndDrain({b}) || !SendAndDrain({0x00});
}

void Link::SendBlock(const std::array<std::uint8_t, 16>& buffer) {
    state_.linkError = false;
    state_.linkError = !SendAndDrain(Bytes(buffer.begin(), buffer.end()));
}

bool Link::AwaitInput(std::size_t n, Clock::time_point deadline) {
    return WaitFor([&] { return device_.available() >= n; }, deadline);
}

void Link::ReceiveByte() {
    state_.lastByte = 0;
    state_.linkError = false;
    device_.clearInput();
    ArmTimeout();
    const bool ok = AwaitInput(1, kNoDeadline);
    DisarmTimeout();
    if (ok) state_.lastByte = device_.readAll().front();
    device_.clearInput();
    state_.linkError = !ok;
}

void Link::ReceiveBytePolled(double pollBudget) {
    state_.lastByte = 0;
    state_.linkError = false;
    device_.clearInput();
    DisarmTimeout();
    const auto budget = std::chrono::duration_cast<Clock::duration>(kPollTime * pollBudget);
    const bool ok = AwaitInput(1, device_.now() + budget);
    if (ok) state_.lastByte = device_.readAll().front();
    device_.clearInput();
    state_.linkError = !ok;
}

void Link::ReceiveBlock(std::size_t n) {
    state_.linkError = false;
    state_.lastBlock.clear();
    device_.clearInput();
    ArmTimeout();
    const bool ok = AwaitInput(n, kNoDeadline);
    DisarmTimeout();
    // Everything that is there counts; callers use the first n bytes.
    if (ok) state_.lastBlock = device_.readAll();
    device_.clearInput();
    state_.linkError = !ok;
}

void Link::Pause(std::chrono::milliseconds length) {
    WaitFor([] { return false; }, device_.now() + length);
}

void Link::StartBlink(Indicator which) {
    state_.blinkTicks = 1;
    state_.blinkGreen = which == Indicator::Green;
    state_.blinkPhase = true;
    state_.blinkOn = true;
}

void Link::StopBlink() { state_.blinkOn = false; }

void Link::BeginTransfer() {
    state_.abortWait = false;
    state_.linkError = false;
    DisarmTimeout();
}

void Link::Abort() {
    state_.abortWait = true;
    state_.timeoutExpired = true;
    state_.timeoutArmed = false;
    device_.interrupt();
}

void Link::OnLinkTimerTick() {
    if (state_.timeoutArmed && !state_.timeoutExpired && --state_.timeoutTicks <= 0) {
        state_.timeoutArmed = false;
        state_.timeoutExpired = true;
    }
    if (state_.blinkOn && --state_.blinkTicks <= 0) {
        state_.blinkTicks = 1;
        state_.blinkPhase = !state_.blinkPhase;
        if (observer_)
            observer_->indicator(state_.blinkGreen ? Indicator::Green : Indicator::Red,
                                 state_.blinkPhase);
    }
}

}  // namespace vantrel::link
