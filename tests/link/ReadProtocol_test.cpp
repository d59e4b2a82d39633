// The read exchange against the simulated radio on the in-memory line.
#include <gtest/gtest.h>

#include "VirtualLine.h"
#include "link/ProtocolBytes.h"
#include "link/ReadProtocol.h"

namespace vantrel::link {
namespace {

using testing::Pairs;
using testing::PatternImage;
using testing::RecordingObserver;
using testing::VirtualLine;
using testing::With;

struct ReadRig {
    explicit ReadRig(SimulatedRadioOptions options = {})
        : radio(PatternImage(), std::move(options)),
          line([this](std::uint8_t b) { return radio.receive(b); }),
          link(line) {
        image.replaceAll(PatternImage(99));
    }
    TransferOutcome read() { return ReadCodeplug(link, observer, image); }

    SimulatedRadio radio;
    VirtualLine line;
    Link link;
    RecordingObserver observer;
    CodeplugImage image;
};

Bytes Repeat(const Bytes& part, int times) {
    Bytes out;
    for (int n = 0; n < times; ++n) out.insert(out.end(), part.begin(), part.end());
    return out;
}

TEST(ReadProtocol, ReadsAllBlocksIntoTheImage) {
    ReadRig rig;
    EXPECT_EQ(rig.read(), TransferOutcome::Success);
    EXPECT_EQ(rig.image.bytes(), PatternImage());
    Bytes expected = Pairs({0x52, 0x0B});
    for (const auto b : Repeat(Pairs({0x4F}), 48)) expected.push_back(b);
    EXPECT_EQ(rig.line.sent, expected);
    EXPECT_EQ(rig.observer.statuses,
              (std::vector<std::string>{text::kReadWait, text::kReadDone}));
    ASSERT_EQ(rig.observer.progressValues.size(), 384u);
    EXPECT_EQ(rig.observer.progressValues.back(), 384);
    EXPECT_EQ(rig.radio.readsCompleted(), 1);
    EXPECT_TRUE(rig.radio.lineErrors().empty());
}

TEST(ReadProtocol, RejectedBlocksComeAgainAsNineBytes) {
    // The first block rejected three times (its repeats come without the
    // leading 0x4F) and the last block three times: the read still succeeds.
    ReadRig rig(With([](auto& o) { o.corruptChecksum = {{0, 3}, {47, 3}}; }));
    EXPECT_EQ(rig.read(), TransferOutcome::Success);
    EXPECT_EQ(rig.image.bytes(), PatternImage());
    Bytes expected = Pairs({0x52, 0x0B});
    for (const auto& part : {Repeat(Pairs({0x46}), 3), Repeat(Pairs({0x4F}), 47),
                             Repeat(Pairs({0x46}), 3), Pairs({0x4F})})
        expected.insert(expected.end(), part.begin(), part.end());
    EXPECT_EQ(rig.line.sent, expected);
    // The progress falls back by 8 for every repeat.
    EXPECT_EQ(rig.observer.progressValues.size(), 384u + 6 * 8);
}

TEST(ReadProtocol, IdentityOutsideTheRefusedSetPasses) {
    for (std::uint8_t identity : {0x31, 0x46, 0x00}) {
        ReadRig rig(With([identity](auto& o) { o.identity = identity; }));
        EXPECT_EQ(rig.read(), TransferOutcome::Success) << int(identity);
    }
}

struct FailureRow {
    const char* name;
    SimulatedRadioOptions radio;
    int stuckQueue;
    const char* status;
    TransferOutcome outcome;
    Bytes sent;
};

TEST(ReadProtocol, EachFailureStopsWithItsTextAndLeavesTheImage) {
    const Bytes opening = Pairs({0x52, 0x0B});
    Bytes fourRejects = Pairs({0x52, 0x0B});
    for (const auto& part : {Repeat(Pairs({0x4F}), 5), Repeat(Pairs({0x46}), 4)})
        fourRejects.insert(fourRejects.end(), part.begin(), part.end());
    const FailureRow rows[] = {
        {"0x52 not sent", {}, 0, text::kCheckProgrammingMode, TransferOutcome::OpeningFailed,
         Pairs({0x46})},
        {"no identity", With([](auto& o) { o.silentAt = 1; }), -1, text::kCheckProgrammingMode,
         TransferOutcome::OpeningFailed, Pairs({0x52})},
        {"identity 0x32 refused", With([](auto& o) { o.identity = 0x32; }), -1, text::kUnsupportedRegion,
         TransferOutcome::OpeningFailed, Pairs({0x52, 0x46})},
        {"identity 0x84 refused", With([](auto& o) { o.identity = 0x84; }), -1, text::kUnsupportedRegion,
         TransferOutcome::OpeningFailed, Pairs({0x52, 0x46})},
        {"0x0B not sent", {}, 2, text::kCheckVersion, TransferOutcome::OpeningFailed,
         Pairs({0x52, 0x46})},
        {"no version answer", With([](auto& o) { o.silentAt = 2; }), -1, text::kCheckVersion,
         TransferOutcome::OpeningFailed, opening},
        {"answer without 0x4F", With([](auto& o) { o.versionFirstByte = 0x46; }), -1, text::kCheckVersion,
         TransferOutcome::OpeningFailed, opening},
        {"9-byte block missing", With([](auto& o) { o.silentAt = 3; }), -1, text::kCommError,
         TransferOutcome::TransferFailed, Pairs({0x52, 0x0B, 0x4F})},
        {"acknowledgement not sent", {}, 4, text::kCommError, TransferOutcome::TransferFailed,
         opening},
        {"fourth wrong checksum", With([](auto& o) { o.corruptChecksum = {{5, 4}}; }), -1, text::kCommError,
         TransferOutcome::TransferFailed, fourRejects},
    };
    for (const FailureRow& row : rows) {
        SCOPED_TRACE(row.name);
        ReadRig rig(row.radio);
        rig.line.stuckQueue = row.stuckQueue;
        EXPECT_EQ(rig.read(), row.outcome);
        ASSERT_FALSE(rig.observer.statuses.empty());
        EXPECT_EQ(rig.observer.statuses.back(), row.status);
        EXPECT_EQ(rig.line.sent, row.sent);
        EXPECT_EQ(rig.image.bytes(), PatternImage(99));
        if (row.outcome == TransferOutcome::OpeningFailed) {
            EXPECT_EQ(rig.observer.paints.back(), std::make_pair(Indicator::Green, false));
        }
    }
}

TEST(ReadProtocol, AbortEndsTheReadSilently) {
    ReadRig rig;
    rig.observer.onProgress = [&](int value) { if (value == 200) rig.link.Abort(); };
    EXPECT_EQ(rig.read(), TransferOutcome::Aborted);
    EXPECT_EQ(rig.observer.statuses, std::vector<std::string>{text::kReadWait});
    EXPECT_EQ(rig.observer.progressValues.back(), 200);
    // Block 24 arrived but was neither acknowledged nor rejected.
    EXPECT_EQ(rig.line.sent.size(), 4u + 24 * 2);
    EXPECT_EQ(rig.image.bytes(), PatternImage(99));
}

}  // namespace
}  // namespace vantrel::link
