#include "link/WriteProtocol.h"

#include "codeplug/ByteMap.h"
#include "link/Exchange.h"
#include "link/ProtocolBytes.h"

namespace vantrel::link {

namespace {
using namespace std::chrono_literals;
namespace bm = bytemap;

// The radio's timing: a pause after the identity, around the version and
// switch requests, before each checksum, after each answer and at the end.
constexpr auto kPauseAfterIdentity = 200ms;
constexpr auto kPauseShort = 10ms;
constexpr auto kPauseBeforeChecksum = 1ms;
constexpr auto kPauseAfterAnswer = 2ms;
constexpr auto kPauseAtEnd = 500ms;

// Bit 0 of the tenth byte of a channel record is cleared before writing.
constexpr std::size_t kRecordFlagsByte = 9;

class Writer {
public:
    Writer(Link& link, LinkObserver& observer, AppState& state, const WriteSteps& steps)
        : link_(link), observer_(observer), state_(state), steps_(steps) {}

    TransferOutcome run(CodeplugImage::Bytes* sent) {
        const TransferOutcome outcome = RunExchange(link_, observer_, "write", [&] { return exchange(); });
        if (sent) *sent = sent_;
        return outcome;
    }

private:
    TransferOutcome openingFailed(const char* text, bool sendReject) {
        return FailOpening(link_, observer_, Indicator::Red, text, sendReject);
    }

    // A primitive failed, or bytes came after an answer already acted on.
    bool failed() const { return link_.linkError() || link_.strayed(); }

    enum class Blocks { Written, Failed, InDoubt };

    TransferOutcome exchange() {
        link_.SendByte(kWriteRequest);
        if (failed()) return openingFailed(text::kCheckProgrammingMode, true);
        link_.ReceiveBytePolled(kWriteIdentityPolls);
        if (failed()) return openingFailed(text::kCheckProgrammingMode, false);
        link_.PauseAfterAnswer(kPauseAfterIdentity);
        // An identity with other bytes around it is no identity.
        if (!link_.answerClean()) return openingFailed(text::kCheckProgrammingMode, true);
        if (IsRefusedIdentity(link_.lastByte())) return openingFailed(text::kUnsupportedRegion, true);

        link_.Pause(kPauseShort);
        link_.SendByte(kVersionRequest);
        if (failed()) return openingFailed(text::kCheckVersion, true);
        link_.ReceiveBlock(kFirstAnswerSize);
        if (failed() || !link_.answerClean() || link_.lastBlock().front() != kAck)
            return openingFailed(text::kCheckVersion, false);

        if (RadioAsksPassword(link_.lastBlock())) {
            switch (observer_.writePassword(RadioPassword(link_.lastBlock()))) {
            case PasswordOutcome::Accepted: break;
            case PasswordOutcome::Abandoned: return TransferOutcome::PasswordAbandoned;
            case PasswordOutcome::AppClosing: return TransferOutcome::AppClosing;
            }
            if (link_.aborted()) return TransferOutcome::Aborted;
            link_.ForgetInput();
        }
        state_.passwordKept = false;
        if (steps_.storePassword) steps_.storePassword(state_);

        if (const TransferOutcome t = targetCheck(); t != TransferOutcome::Success) return t;

        link_.SendByte(kVersionRequest);  // the radio does not answer this one
        link_.Pause(kPauseShort);
        link_.SendByte(kReadRequest);
        if (failed()) return openingFailed(text::kCheckVersion, false);
        link_.ReceiveByte();
        if (failed()) return openingFailed(text::kCheckVersion, false);
        link_.PauseAfterAnswer(kPauseShort);
        if (!link_.answerClean() || link_.lastByte() != kAck) return openingFailed(text::kCheckVersion, false);

        observer_.status(text::kWriteWait);
        link_.StartBlink(Indicator::Red);
        CodeplugImage& image = state_.image;
        if (steps_.encodeUserTones) steps_.encodeUserTones(image);
        for (int n = 1; n <= static_cast<int>(bm::MaxChannels); ++n)
            image.setBit(bm::channelRecord(n) + kRecordFlagsByte, 0, false);
        const Blocks written = blocks();
        link_.StopBlink();
        if (link_.aborted()) return TransferOutcome::Aborted;
        if (written == Blocks::Failed) {
            observer_.status(text::kCommError);
            return TransferOutcome::TransferFailed;
        }
        link_.Pause(kPauseAtEnd);
        // Bytes after the last acknowledgement mean it may have been none.
        if (written == Blocks::InDoubt || !link_.Settle()) {
            observer_.status(text::kWriteInDoubt);
            return TransferOutcome::InDoubt;
        }
        image.setByte(bm::SerialWriteEnable, 0);
        observer_.status(text::kWriteDone);
        link_.Pause(kPauseAtEnd);
        return TransferOutcome::Success;
    }

    // "T" until the radio answers the image's target byte. 0x46 asks again,
    // which a radio does only while it is busy: after kMaxTargetBusy of them
    // the write gives up rather than ask for ever.
    TransferOutcome targetCheck() {
        for (int busy = 0;; ++busy) {
            if (busy == kMaxTargetBusy) return openingFailed(text::kCheckProgrammingMode, true);
            link_.SendByte(kTargetRequest);
            if (failed()) return openingFailed(text::kCheckProgrammingMode, true);
            link_.ReceiveBytePolled(kTargetPolls);
            if (failed()) return openingFailed(text::kCheckProgrammingMode, false);
            link_.PauseAfterAnswer(kPauseShort);
            if (!link_.answerClean()) return openingFailed(text::kCheckProgrammingMode, true);
            if (link_.lastByte() == ExpectedTarget(state_.image)) return TransferOutcome::Success;
            if (link_.lastByte() != kReject) return openingFailed(text::kUnsupportedRegion, true);
        }
    }

    Blocks blocks() {
        CodeplugImage& image = state_.image;
        int i = 0;
        int retries = 0;
        for (int block = 0; block < kBlockCount; ++block) {
            std::array<std::uint8_t, kSendBlockSize> buffer{};
            unsigned sum = 0;
            for (int j = 0; j < kBlockSize; ++j) {
                const auto idx = static_cast<std::size_t>(i);
                const bool serialByte = idx >= bm::SerialNumber && idx < bm::SerialNumber + bm::SerialNumberSize;
                if (image.byte(bm::SerialWriteEnable) == 0 && serialByte) image.setByte(idx, 0xFF);
                // The radio does not take a scan interval below 3 (750 ms).
                if (const auto t = image.byte(bm::LookBackTime); t == 1 || t == 2)
                    image.setByte(bm::LookBackTime, 3);
                buffer[2 * j] = sent_[idx] = image.byte(idx);
                sum = (sum + image.byte(idx)) & 0xFF;
                observer_.progress(++i);
            }
            link_.SendBlock(buffer);
            if (failed()) return Blocks::Failed;
            link_.Pause(kPauseBeforeChecksum);
            link_.SendByte(static_cast<std::uint8_t>(sum));
            if (failed()) return Blocks::Failed;
            link_.ReceiveByte();
            if (failed()) return Blocks::Failed;
            link_.PauseAfterAnswer(kPauseAfterAnswer);
            // An answer that did not come alone ({0x4F, 0x46}, a byte in
            // front) cannot tell whether the radio took the block, so it
            // cannot tell which block the radio expects next. After the last
            // block the radio may hold everything, or all but that block.
            if (!link_.answerClean()) return block == kBlockCount - 1 ? Blocks::InDoubt : Blocks::Failed;
            if (link_.lastByte() == kAck) {
                retries = 0;
            } else {
                if (retries == kMaxRetries) return Blocks::Failed;
                --block;
                i -= kBlockSize;
                ++retries;
            }
        }
        return Blocks::Written;
    }

    Link& link_;
    LinkObserver& observer_;
    AppState& state_;
    const WriteSteps& steps_;
    CodeplugImage::Bytes sent_{};
};

}  // namespace

std::string RadioPassword(const Bytes& versionAnswer) {
    std::string password;
    for (std::size_t n = 1; n <= 8 && n < versionAnswer.size() && versionAnswer[n] != 0x00; ++n)
        password += static_cast<char>(versionAnswer[n]);
    return password;
}

bool RadioAsksPassword(const Bytes& versionAnswer) {
    return versionAnswer.size() > 1 && versionAnswer[1] != 0x00 && versionAnswer[1] != 0xFF;
}

std::uint8_t ExpectedTarget(const CodeplugImage& image) {
    return static_cast<std::uint8_t>((image.byte(bytemap::ModelIndex) & 0x0F) * 16 +
                                     image.byte(bytemap::RadioType));
}

TransferOutcome WriteCodeplug(Link& link, LinkObserver& observer, AppState& state,
                              const WriteSteps& steps, CodeplugImage::Bytes* sent) {
    return Writer(link, observer, state, steps).run(sent);
}

}  // namespace vantrel::link
