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

    TransferOutcome exchange(CodeplugImage& image) {
        link_.SendByte(kReadRequest);
        if (link_.linkError()) return openingFailed(text::kCheckProgrammingMode, true);

        link_.ReceiveBytePolled(kReadIdentityPolls);
        if (link_.linkError()) return openingFailed(text::kCheckProgrammingMode, false);
        if (IsRefusedIdentity(link_.lastByte())) return openingFailed(text::kUnsupportedRegion, true);

        link_.Pause(kPauseBeforeVersion);
        link_.SendByte(kVersionRequest);
        if (link_.linkError()) return openingFailed(text::kCheckVersion, true);

        link_.ReceiveBlock(kFirstAnswerSize);
        if (link_.linkError() || link_.lastBlock().front() != kAck)
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
                if (link_.linkError()) return false;
            }
            const Bytes& answer = link_.lastBlock();
            const std::size_t at = first ? 1 : 0;
            first = false;
            for (int j = 0; j < kBlockSize; ++j) {
                staging_[i] = answer[at + j];
                observer_.progress(++i);
            }
            const std::uint8_t checksum = answer[at + kBlockSize];
            if (checksum == BlockChecksum(&staging_[i - kBlockSize])) {
                link_.Pause(kPauseBeforeAck);
                retries = 0;
                link_.SendByte(kAck);
                if (link_.linkError()) return false;
            } else {
                link_.SendByte(kReject);
                if (link_.linkError() || retries == kMaxRetries) return false;
                --blk;
                i -= kBlockSize;
                ++retries;
            }
        }
        return true;
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
