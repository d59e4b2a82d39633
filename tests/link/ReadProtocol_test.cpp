// The read exchange against the simulated radio on the in-memory line.
#include <gtest/gtest.h>

#include <functional>

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
    explicit ReadRig(SimulatedRadioOptions options = {}, const CodeplugImage::Bytes& radioImage = PatternImage())
        : radio(radioImage, std::move(options)),
          line([this](std::uint8_t b) {
              Bytes out = radio.receive(b);
              if (!out.empty() && ++answers == tamperAt) out = tamper(out);
              return out;
          }),
          link(line) {
        image.replaceAll(PatternImage(99));
    }
    TransferOutcome read() { return ReadCodeplug(link, observer, image); }

    // The radio's answer number tamperAt (1 = the identity) as the line
    // delivers it.
    int tamperAt = 0;
    std::function<Bytes(Bytes)> tamper;
    int answers = 0;
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

TEST(ReadProtocol, BlockThatDoesNotComeAloneIsAskedForAgainAndNeverTaken) {
    // Block 1 (answer 3) with a byte of noise in front, after it, or a 0x4F in
    // front as the first answer has: each is refused and comes again. Its
    // bytes are such that the noise in front and the first seven of them
    // pass as a block whose checksum is the eighth.
    CodeplugImage::Bytes radioImage = PatternImage();
    radioImage[15] = static_cast<std::uint8_t>(0x8D + BlockChecksum(&radioImage[8], 7));
    struct Row {
        const char* name;
        SimulatedRadioOptions radio;
        std::function<Bytes(Bytes)> tamper;
        int refusals;  // -1: the read fails
    };
    const auto junk = [](bool before, std::uint8_t b) {
        return With([=](auto& o) { (before ? o.junkBefore : o.junkAfter)[3] = b; });
    };
    const Row rows[] = {
        {"clean", {}, nullptr, 0},
        {"wrong checksum", With([](auto& o) { o.corruptChecksum = {{1, 1}}; }), nullptr, 1},
        {"noise in front", junk(true, 0x8D), nullptr, 1},
        {"noise after", junk(false, 0x8D), nullptr, 1},
        {"one byte too many", junk(true, kAck), nullptr, 1},
        {"nothing", {}, [](Bytes) { return Bytes{}; }, -1},
        {"a byte short", {}, [](Bytes b) { return Bytes(b.begin(), b.end() - 1); }, -1},
    };
    for (const bool paced : {false, true}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(::testing::Message() << row.name << (paced ? ", paced" : ""));
            ReadRig rig(row.radio, radioImage);
            rig.line.paced = paced;
            rig.tamperAt = row.tamper ? 3 : 0;
            rig.tamper = row.tamper;
            const TransferOutcome outcome = rig.read();
            if (row.refusals < 0) {
                EXPECT_EQ(outcome, TransferOutcome::TransferFailed);
                EXPECT_EQ(rig.image.bytes(), PatternImage(99));
                continue;
            }
            EXPECT_EQ(outcome, TransferOutcome::Success);
            EXPECT_EQ(rig.image.bytes(), radioImage);
            Bytes expected = Pairs({0x52, 0x0B, 0x4F});
            for (const auto& part : {Repeat(Pairs({0x46}), row.refusals), Repeat(Pairs({0x4F}), 47)})
                expected.insert(expected.end(), part.begin(), part.end());
            EXPECT_EQ(rig.line.sent, expected);
        }
    }
}

TEST(ReadProtocol, IdentityOrVersionAnswerThatDoesNotComeAloneEndsTheRead) {
    const std::pair<SimulatedRadioOptions, const char*> rows[] = {
        {With([](auto& o) { o.junkAfter[1] = 0x31; }), text::kCheckProgrammingMode},
        {With([](auto& o) { o.junkBefore[2] = 0x8D; }), text::kCheckVersion},
    };
    for (const auto& [options, status] : rows) {
        ReadRig rig(options);
        EXPECT_EQ(rig.read(), TransferOutcome::OpeningFailed);
        EXPECT_EQ(rig.observer.statuses.back(), status);
        EXPECT_EQ(rig.image.bytes(), PatternImage(99));
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
