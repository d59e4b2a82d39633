#pragma once
// The link primitives: send one protocol byte (as the pair byte, 0x00), send a
// 16-byte block, receive one byte, receive a 9- or 10-byte block. Each leaves
// its result in the link state (linkError, lastByte, lastBlock).
//
// Contracts
// - "Sent": the bytes have left the line (the device has drained), not merely
//   the program. Each half of a pair, and a block, must drain within its own
//   armed time-out.
// - Input discipline: input that is waiting when a send starts is stale and is
//   discarded before the send, never after it. From the moment a send starts,
//   everything that arrives is the echo of that send (on an echoing cable) and
//   then the answer, in that order, whenever it comes: an answer that arrives
//   within a microsecond of the request, before the receive starts, counts.
// - Echo: a cable that returns the program's own bytes is recognised on the
//   first exchange of each transfer (the input begins with the bytes just
//   sent). From then on every send takes exactly its own echo off the input,
//   waiting for it with an armed time-out of its own; an echo that does not
//   come, or comes back different, fails the send. A cable that does not echo
//   costs nothing: the first answer already shows it.
// - Time-outs run on the 200 ms link tick: an armed time-out lasts 10 ticks
//   (1.8 to 2.0 s). The polled receive instead waits pollBudget x 20 us. A
//   pause lasts its length exactly; a pause the radio asks for after its
//   answer is measured from the answer's last byte (PauseAfterAnswer), so
//   the quiet a receive waits for counts toward it.
// - Abort: Abort() (the dialog closed, Esc) or the application quitting ends
//   the wait in progress at once with linkError, and every later primitive
//   fails at once without putting a byte on the line, until BeginTransfer().
// - Lost line: a device that goes away or hangs up (a pulled cable) ends the
//   wait in progress at once with linkError; lineLost() says so until the
//   next transfer begins.
// - Strict answers: an answer is exactly the bytes asked for. A receive ends
//   once its bytes are in and the line has then been quiet for kAnswerSettle;
//   answerClean() says whether the answer came alone (nothing with it or
//   after it). Bytes that keep coming after an answer are waited out, for at
//   most a time-out, so that the next answer does not begin with them.
//   Bytes that come after an answer the exchange has already acted on (found
//   by the next send before its request has left the line, or by Settle())
//   make the transfer strayed(): one of its answers was not what it seemed.
//   Stale input at the first send of a transfer is merely discarded.
#include <array>
#include <chrono>
#include <cstdint>
#include <string>

#include "link/ByteDevice.h"
#include "link/LinkObserver.h"

namespace vantrel::link {

constexpr std::chrono::milliseconds kTickPeriod{200};
constexpr int kTimeoutTicks = 10;
// The polled receive counts polls rather than ticks. One poll is taken to
// last 20 us, so 500 000 polls wait 10 s and 200 000 polls 4 s.
constexpr std::chrono::microseconds kPollTime{20};
// When the first answer begins like the request, this long decides whether
// the rest of an echo follows (it comes within a byte time and an adapter's
// latency) or the answer merely looks like the request.
constexpr std::chrono::milliseconds kEchoSettle{100};
// The bytes of one answer follow each other within a byte time (9.2 ms at
// 1200 baud). A receive waits this long after an answer's last byte to see
// that nothing follows it.
constexpr std::chrono::milliseconds kAnswerSettle{12};

struct LinkState {
    int timeoutTicks = 0;
    bool timeoutArmed = false;
    bool timeoutExpired = false;
    bool linkError = false;
    std::uint8_t lastByte = 0;
    Bytes lastBlock;
    bool abortWait = false;
    bool lineLost = false;
    bool blinkOn = false;
    bool blinkGreen = false;
    bool blinkPhase = false;
    int blinkTicks = 0;
};

// Whether the cable returns the program's own bytes; Unknown until the first
// exchange of a transfer shows it.
enum class Echo { Unknown, Present, Absent };

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
    // A pause the radio asks for after its answer: until `length` after the
    // answer's last byte.
    void PauseAfterAnswer(std::chrono::milliseconds length);

    void StartBlink(Indicator which);
    void StopBlink();

    // Starts a transfer: forgets an abort or a lost line of the previous one,
    // and finds out anew whether the cable echoes.
    void BeginTransfer();
    // Closing the read/write dialog: every wait ends at once with linkError,
    // and stays that way until the next transfer begins.
    void Abort();
    bool aborted() const { return state_.abortWait; }
    bool lineLost() const { return state_.lineLost; }
    Echo echo() const { return echo_; }
    // Whether the last receive's answer came alone (see Strict answers).
    bool answerClean() const { return answerClean_; }
    // Whether bytes came after an answer that the exchange had acted on.
    bool strayed() const { return strayed_; }
    // Waits until the line has been quiet for kAnswerSettle; false when
    // bytes came that no receive took (the transfer is then strayed()).
    bool Settle();
    // Input that comes while the exchange waits for its user (a password)
    // is discarded and held against no answer.
    void ForgetInput();

    bool linkError() const { return state_.linkError; }
    std::uint8_t lastByte() const { return state_.lastByte; }
    const Bytes& lastBlock() const { return state_.lastBlock; }
    const LinkState& state() const { return state_; }

    // The 200 ms tick: counts the armed time-out down and blinks the indicator.
    void OnLinkTimerTick();

private:
    void ArmTimeout();
    void DisarmTimeout();
    // Discards stale input, sends each part and waits until it has left the
    // line, then takes the echo of the whole send off the input; false on
    // time-out, abort, lost line or a wrong echo.
    bool Send(std::initializer_list<Bytes> parts);
    bool TakeEcho(const Bytes& sent);
    // Waits for at least n bytes of answer; false on time-out, abort, lost
    // line or the deadline.
    bool AwaitAnswer(std::size_t n, Clock::time_point deadline);
    // The answer of n bytes is in: takes it off the input and waits until
    // the line is quiet, judging whether it came alone. False on abort or a
    // lost line.
    bool EndAnswer(std::size_t n);
    // n bytes came that no receive asked for; after an answer they count
    // against it (the transfer has strayed).
    void Strays(std::size_t n, const char* when);
    // Moves arrived input into inbox_ and, on the first exchange, decides
    // from it whether the cable echoes.
    void Collect();
    bool EchoUndecided() const { return !echoCandidate_.empty(); }
    template <class Done>
    bool WaitFor(Done done, Clock::time_point deadline);
    void Note(const std::string& what);
    // Ends a primitive: sets linkError and, for the trace, notes why it failed.
    bool Finish(bool ok);
    // Ends every wait, as Abort() does, without waking the device.
    void Stop();

    ByteDevice& device_;
    LinkObserver* observer_ = nullptr;
    LinkState state_;
    // Input taken off the device and not yet consumed by a receive.
    Bytes inbox_;
    Echo echo_ = Echo::Unknown;
    // While undecided: what the first send put on the line, and since when
    // the input has matched only the beginning of it.
    Bytes echoCandidate_;
    Clock::time_point echoPartialSince_{};
    // Why the last wait failed, for the trace.
    std::string failure_;
    // When the last input byte came, and when the last send had left.
    Clock::time_point lastArrival_{};
    Clock::time_point lastSent_{};
    bool answered_ = false;   // this transfer has taken an answer
    bool answerClean_ = true;
    bool strayed_ = false;
};

}  // namespace vantrel::link
