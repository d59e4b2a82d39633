#include "link/ReadProtocol.h"

#include "link/Exchange.h"
#include "link/ProtocolBytes.h"

namespace vantrel::link {

namespace {
using namespace std::chrono_literals;

// The radio expects these pauses: before the version request, and before
// each acknowledgement.
constexpr auto kPauseBeforeVersion = 10ms;
constexpr auto kPauseBeforeAck = 2ms;

class Reader {
public:
    Reader(Link& link, LinkObserver& observer) : link_(link), observer_(observer) {}

    TransferOutcome run(CodeplugImage& image) {
        return RunExchange(link_, observer_, "read", [&] { return exchange(image); });
    }

private:
    TransferOutcome openingFailed(const char* text, bool sendReject) {
        return FailOpening(link_, observer_, Indicator::Green, text, sendReject);
    }

    // A primitive failed, or bytes came after an answer already acted on.
    bool failed() const { return link_.linkError() || link_.strayed(); }

    TransferOutcome exchange(CodeplugImage& image) {
        link_.SendByte(kReadRequest);
        if (failed()) return openingFailed(text::kCheckProgrammingMode, true);

        link_.ReceiveBytePolled(kReadIdentityPolls);
        if (failed()) return openingFailed(text::kCheckProgrammingMode, false);
        // An identity with other bytes around it is no identity.
        if (!link_.answerClean()) return openingFailed(text::kCheckProgrammingMode, true);
        if (IsRefusedIdentity(link_.lastByte())) return openingFailed(text::kUnsupportedRegion, true);

        link_.PauseAfterAnswer(kPauseBeforeVersion);
        link_.SendByte(kVersionRequest);
        if (failed()) return openingFailed(text::kCheckVersion, true);

        link_.ReceiveBlock(kFirstAnswerSize);
        if (failed() || link_.lastBlock().front() != kAck)
            return openingFailed(text::kCheckVersion, false);

        observer_.status(text::kReadWait);
        link_.StartBlink(Indicator::Green);
        const bool ok = blocks();
        link_.StopBlink();
        if (link_.aborted()) return TransferOutcome::Aborted;
        if (!ok) {
            observer_.status(text::kCommError);
            return TransferOutcome::TransferFailed;
        }
        image.replaceAll(staging_);
        observer_.status(text::kReadDone);
        return TransferOutcome::Success;
    }

    bool blocks() {
        int i = 0;
        int retries = 0;
        // The first block comes inside the answer to the version request,
        // after its 0x4F; every later one (also a repeated first block)
        // comes as 9 bytes of its own.
        bool first = true;
        for (int blk = 0; blk < kBlockCount; ++blk) {
            if (!first) {
                link_.ReceiveBlock(kBlockAnswerSize);
                if (failed()) return false;
            }
            const Bytes& answer = link_.lastBlock();
            const std::size_t at = first ? 1 : 0;
            first = false;
            for (int j = 0; j < kBlockSize; ++j) {
                staging_[i] = answer[at + j];
                observer_.progress(++i);
            }
            const std::uint8_t checksum = answer[at + kBlockSize];
            // A block with a byte too many, or one in front, is as bad as a
            // wrong checksum: its bytes are not the radio's block.
            if (link_.answerClean() && checksum == BlockChecksum(&staging_[i - kBlockSize])) {
                link_.PauseAfterAnswer(kPauseBeforeAck);
                retries = 0;
                link_.SendByte(kAck);
                if (failed()) return false;
            } else {
                link_.SendByte(kReject);
                if (failed() || retries == kMaxRetries) return false;
                --blk;
                i -= kBlockSize;
                ++retries;
            }
        }
        // Nothing may follow the last acknowledgement.
        return link_.Settle();
    }

    Link& link_;
    LinkObserver& observer_;
    CodeplugImage::Bytes staging_{};
};

}  // namespace

TransferOutcome ReadCodeplug(Link& link, LinkObserver& observer, CodeplugImage& image) {
    return Reader(link, observer).run(image);
}

}  // namespace vantrel::link
