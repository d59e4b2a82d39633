// The write exchange against the simulated radio on the in-memory line.
#include <gtest/gtest.h>

#include <functional>

#include "VirtualLine.h"
#include "codeplug/ByteMap.h"
#include "link/PasswordCheck.h"
#include "link/ProtocolBytes.h"
#include "link/ReadProtocol.h"
#include "link/VerifyWrite.h"
#include "link/WriteProtocol.h"

namespace vantrel::link {
namespace {

namespace bm = bytemap;
using testing::Pairs;
using testing::PatternImage;
using testing::RecordingObserver;
using testing::VirtualLine;
using testing::With;

// An image the radio takes: its own model and band, no odd bytes.
CodeplugImage::Bytes ProgramImage() {
    CodeplugImage::Bytes bytes = PatternImage(11);
    bytes[bm::RadioType] = 2;
    bytes[bm::ModelIndex] = 3;
    bytes[bm::LookBackTime] = 4;
    bytes[bm::SerialWriteEnable] = 1;
    for (int n = 1; n <= 16; ++n) bytes[bm::channelRecord(n) + 9] &= 0xFE;
    return bytes;
}

// What the radio holds before the write: another codeplug of the same model.
CodeplugImage::Bytes RadioImage() {
    CodeplugImage::Bytes bytes = PatternImage();
    bytes[bm::RadioType] = 2;
    bytes[bm::ModelIndex] = 3;
    return bytes;
}

struct PasswordObserver : RecordingObserver {
    std::vector<std::string> asked;
    PasswordOutcome answer = PasswordOutcome::Accepted;
    PasswordOutcome writePassword(const std::string& radioPassword) override {
        asked.push_back(radioPassword);
        return answer;
    }
};

struct WriteRig {
    explicit WriteRig(SimulatedRadioOptions options = {})
        : radio(RadioImage(), std::move(options)),
          line([this](std::uint8_t b) {
              Bytes out = radio.receive(b);
              if (onByte) onByte(b, out);
              return out;
          }),
          link(line) {
        state.image.replaceAll(ProgramImage());
        steps.storePassword = [this](AppState&) { calls.push_back("storePassword"); };
        steps.encodeUserTones = [this](CodeplugImage&) { calls.push_back("encodeUserTones"); };
    }
    TransferOutcome write() { return WriteCodeplug(link, observer, state, steps, &sent); }
    // The line from the first data block on.
    Bytes dataPhase() const {
        const Bytes opening = Pairs({0x50, 0x0B, 0x54, 0x0B, 0x52});
        return Bytes(line.sent.begin() + static_cast<std::ptrdiff_t>(opening.size()), line.sent.end());
    }

    // Sees (and may change) what the line carries back for each program byte.
    std::function<void(std::uint8_t, Bytes&)> onByte;
    SimulatedRadio radio;
    VirtualLine line;
    Link link;
    PasswordObserver observer;
    AppState state;
    WriteSteps steps;
    std::vector<std::string> calls;
    CodeplugImage::Bytes sent{};
};

TEST(WriteProtocol, WritesTheImageBlockByBlock) {
    WriteRig rig;
    EXPECT_EQ(rig.write(), TransferOutcome::Success);
    EXPECT_EQ(rig.radio.writesCompleted(), 1);
    EXPECT_TRUE(rig.radio.lineErrors().empty());
    EXPECT_EQ(rig.radio.image(), ProgramImage());
    EXPECT_EQ(rig.sent, ProgramImage());
    const Bytes opening = Pairs({0x50, 0x0B, 0x54, 0x0B, 0x52});
    EXPECT_TRUE(std::equal(opening.begin(), opening.end(), rig.line.sent.begin()));
    EXPECT_EQ(rig.line.sent.size(), opening.size() + 48 * 18);
    EXPECT_EQ(rig.observer.statuses,
              (std::vector<std::string>{text::kWriteWait, text::kWriteDone}));
    EXPECT_EQ(rig.observer.progressValues.back(), 384);
    EXPECT_EQ(rig.calls, (std::vector<std::string>{"storePassword", "encodeUserTones"}));
    EXPECT_TRUE(rig.observer.asked.empty());
    EXPECT_EQ(rig.state.image.byte(bm::SerialWriteEnable), 0);
}

TEST(WriteProtocol, BlocksInterleaveZerosAndEndWithTheChecksumPair) {
    // Bytes 0..7 = 1..8 make the radio type 5, so the radio answers 0x35.
    WriteRig rig(With([](auto& o) { o.target = 0x35; }));
    for (std::size_t n = 0; n < 8; ++n) {
        rig.state.image.setByte(n, static_cast<std::uint8_t>(n + 1));
        rig.state.image.setByte(8 + n, 0xFF);
    }
    ASSERT_EQ(rig.write(), TransferOutcome::Success);
    const Bytes data = rig.dataPhase();
    const Bytes block0{1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6, 0, 7, 0, 8, 0, 0x24, 0};
    const Bytes block1{0xFF, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0, 0xF8, 0};
    EXPECT_EQ(Bytes(data.begin(), data.begin() + 18), block0);
    EXPECT_EQ(Bytes(data.begin() + 18, data.begin() + 36), block1);
}

TEST(WriteProtocol, ImageAdjustmentsGoOutAndStay) {
    struct Case {
        std::uint8_t lookBack, serialEnable;
        std::uint8_t lookBackSent, serialSent;
    };
    for (const Case c : {Case{0, 0, 0, 0xFF}, Case{1, 0, 3, 0xFF}, Case{2, 1, 3, 'A'},
                         Case{4, 1, 4, 'A'}}) {
        SCOPED_TRACE(int(c.lookBack));
        WriteRig rig;
        CodeplugImage& image = rig.state.image;
        image.setByte(bm::LookBackTime, c.lookBack);
        image.setByte(bm::SerialWriteEnable, c.serialEnable);
        image.setText(bm::SerialNumber, bm::SerialNumberSize, "AB12");
        image.setByte(bm::channelRecord(1) + 9, 0x5B);
        image.setByte(bm::channelRecord(16) + 9, 0x01);
        ASSERT_EQ(rig.write(), TransferOutcome::Success);
        // The radio holds what went out, but keeps its own serial number for ten 0xFF.
        EXPECT_EQ(rig.radio.image(), HeldAfterWrite(rig.sent, RadioImage()));
        for (const auto& bytes : {rig.sent, image.bytes()}) {
            EXPECT_EQ(bytes[bm::LookBackTime], c.lookBackSent);
            EXPECT_EQ(bytes[bm::SerialNumber], c.serialSent);
            EXPECT_EQ(bytes[bm::SerialNumber + 9], c.serialSent == 0xFF ? 0xFF : 0);
            EXPECT_EQ(bytes[bm::channelRecord(1) + 9], 0x5A);
            EXPECT_EQ(bytes[bm::channelRecord(16) + 9], 0x00);
        }
        EXPECT_EQ(rig.radio.image()[bm::SerialWriteEnable], c.serialEnable);
        EXPECT_EQ(image.byte(bm::SerialWriteEnable), 0);
    }
}

TEST(WriteProtocol, RefusedBlocksAreSentAgainUpToThreeTimes) {
    WriteRig rig(With([](auto& o) { o.refuseBlock = {{0, 3}, {47, 3}}; }));
    EXPECT_EQ(rig.write(), TransferOutcome::Success);
    EXPECT_EQ(rig.radio.image(), ProgramImage());
    EXPECT_EQ(rig.dataPhase().size(), (48u + 6) * 18);
    EXPECT_EQ(rig.observer.progressValues.size(), 384u + 6 * 8);

    WriteRig fourth(With([](auto& o) { o.refuseBlock = {{9, 4}}; }));
    EXPECT_EQ(fourth.write(), TransferOutcome::TransferFailed);
    EXPECT_EQ(fourth.observer.statuses.back(), text::kCommError);
    EXPECT_EQ(fourth.dataPhase().size(), (9u + 4) * 18);  // blocks 0..8, then block 9 four times
    EXPECT_EQ(fourth.radio.writesCompleted(), 0);
}

// What the line carries back after a block: each answer ends in the next
// block, the block again, or a failure. An answer that does not come alone
// never counts: it cannot tell which block the radio expects next.
TEST(WriteProtocol, AnswerAfterABlockMustComeAlone) {
    // Block 5 is answered by the radio's 10th answer, block 47 by its 52nd.
    const auto junk = [](int answer, std::initializer_list<std::uint8_t> before,
                         std::initializer_list<std::uint8_t> after, int refusals = 0) {
        return With([=](auto& o) {
            for (std::uint8_t b : before) o.junkBefore[answer] = b;
            for (std::uint8_t b : after) o.junkAfter[answer] = b;
            if (refusals) o.refuseBlock[answer - 5] = refusals;
        });
    };
    struct Row {
        const char* name;
        SimulatedRadioOptions radio;
        TransferOutcome outcome;
        std::size_t blocksSent;  // of the data phase, repeats included
    };
    const Row rows[] = {
        {"{0x4F}", {}, TransferOutcome::Success, 48},
        {"{0x46}", junk(10, {}, {}, 1), TransferOutcome::Success, 49},
        {"{noise, 0x4F}", junk(10, {0x8D}, {}), TransferOutcome::TransferFailed, 6},
        {"{0x4F, 0x46}", junk(10, {}, {0x46}), TransferOutcome::TransferFailed, 6},
        {"{noise 0x4F, 0x46}", junk(10, {0x4F}, {}, 1), TransferOutcome::TransferFailed, 6},
        {"{0x4F, noise}", junk(10, {}, {0x8D}), TransferOutcome::TransferFailed, 6},
        {"one byte too many", junk(10, {}, {0x4F}), TransferOutcome::TransferFailed, 6},
        {"nothing", With([](auto& o) { o.silentAt = 10; }), TransferOutcome::TransferFailed, 6},
        {"last block {0x4F, 0x46}", junk(52, {}, {0x46}), TransferOutcome::InDoubt, 48},
        {"last block {noise, 0x4F}", junk(52, {0x8D}, {}), TransferOutcome::InDoubt, 48},
    };
    for (const bool paced : {false, true}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(::testing::Message() << row.name << (paced ? ", paced" : ""));
            WriteRig rig(row.radio);
            rig.line.paced = paced;
            EXPECT_EQ(rig.write(), row.outcome);
            EXPECT_EQ(rig.dataPhase().size(), row.blocksSent * 18);
            const char* status = row.outcome == TransferOutcome::Success ? text::kWriteDone
                                 : row.outcome == TransferOutcome::InDoubt ? text::kWriteInDoubt
                                                                          : text::kCommError;
            EXPECT_EQ(rig.observer.statuses.back(), status);
            if (row.outcome == TransferOutcome::Success) {
                EXPECT_EQ(rig.radio.image(), ProgramImage());
            }
            // The serial number stays enabled for a write that may be repeated.
            EXPECT_EQ(rig.state.image.byte(bm::SerialWriteEnable), row.outcome == TransferOutcome::Success ? 0 : 1);
        }
    }
}

TEST(WriteProtocol, ByteThatComesWhileTheNextBlockGoesOutFailsTheWrite) {
    // Something on the line while block 6 is on its way: the answer to block
    // 5 that was taken may not have been the radio's.
    for (const bool paced : {false, true}) {
        SCOPED_TRACE(paced);
        WriteRig rig;
        rig.line.paced = paced;
        int dataBytes = 0;
        rig.onByte = [&](std::uint8_t, Bytes& out) {
            if (rig.radio.writesCompleted() == 0 && rig.line.sent.size() >= 10 && ++dataBytes == 6 * 18 + 1)
                out = {0x8D};
        };
        EXPECT_EQ(rig.write(), TransferOutcome::TransferFailed);
        EXPECT_EQ(rig.observer.statuses.back(), text::kCommError);
    }
}

TEST(WriteProtocol, OpeningAnswersMustComeAlone) {
    const std::pair<SimulatedRadioOptions, const char*> rows[] = {
        {With([](auto& o) { o.junkAfter[1] = 0x31; }), text::kCheckProgrammingMode},
        {With([](auto& o) { o.junkAfter[2] = 0x00; }), text::kCheckVersion},
        {With([](auto& o) { o.junkBefore[3] = 0x46; }), text::kCheckProgrammingMode},
        {With([](auto& o) { o.junkAfter[4] = 0x4F; }), text::kCheckVersion},
    };
    for (const auto& [options, status] : rows) {
        SCOPED_TRACE(status);
        WriteRig rig(options);
        EXPECT_EQ(rig.write(), TransferOutcome::OpeningFailed);
        EXPECT_EQ(rig.observer.statuses.back(), status);
        EXPECT_EQ(rig.radio.image(), RadioImage());
    }
}

TEST(WriteProtocol, TargetCheckRepeatsWhileTheRadioAnswersFButNotForEver) {
    // Nine 0x46 answers: the tenth "T" gets the target. Ten: the write gives
    // up with the programming-mode text and tells the radio so.
    WriteRig busy9(With([](auto& o) { o.targetBusy = 9; }));
    EXPECT_EQ(busy9.write(), TransferOutcome::Success);
    const Bytes opening = Pairs({0x50, 0x0B, 0x54, 0x54, 0x54, 0x54, 0x54, 0x54, 0x54, 0x54,
                                 0x54, 0x54, 0x0B, 0x52});
    EXPECT_TRUE(std::equal(opening.begin(), opening.end(), busy9.line.sent.begin()));

    WriteRig busy10(With([](auto& o) { o.targetBusy = 10; }));
    EXPECT_EQ(busy10.write(), TransferOutcome::OpeningFailed);
    EXPECT_EQ(busy10.observer.statuses, std::vector<std::string>{text::kCheckProgrammingMode});
    EXPECT_EQ(busy10.line.sent, Pairs({0x50, 0x0B, 0x54, 0x54, 0x54, 0x54, 0x54, 0x54, 0x54, 0x54,
                                       0x54, 0x54, 0x46}));
}

TEST(WriteProtocol, ExpectedTargetIsModelNibbleAndRadioType) {
    CodeplugImage image;
    image.setByte(bm::ModelIndex, 0x12);
    image.setByte(bm::RadioType, 3);
    EXPECT_EQ(ExpectedTarget(image), 0x23);
    WriteRig rig(With([](auto& o) { o.target = 0x23; }));
    rig.state.image.setByte(bm::ModelIndex, 0x12);
    rig.state.image.setByte(bm::RadioType, 3);
    EXPECT_EQ(rig.write(), TransferOutcome::Success);
}

TEST(WriteProtocol, RadioPasswordIsAskedForUnlessTheFirstByteIsZeroOrFF) {
    struct Case {
        std::string radioPassword;
        bool asked;
        std::string text;
    };
    const Case cases[] = {
        {"", false, ""},
        {std::string("\xFF" "ABC", 4), false, ""},
        {"Ab3x", true, "Ab3x"},
        {std::string("abc\0" "EF", 6), true, "abc"},  // cut at the first 0x00
        {"12345678", true, "12345678"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        WriteRig rig(With([&](auto& o) { o.password = c.radioPassword; }));
        EXPECT_EQ(rig.write(), TransferOutcome::Success);
        EXPECT_EQ(rig.observer.asked, c.asked ? std::vector<std::string>{c.text}
                                              : std::vector<std::string>{});
    }
}

TEST(WriteProtocol, AbandonedPasswordPromptSendsNothingMore) {
    for (const auto answer : {PasswordOutcome::Abandoned, PasswordOutcome::AppClosing}) {
        WriteRig rig(With([](auto& o) { o.password = "SECRET"; }));
        rig.observer.answer = answer;
        EXPECT_EQ(rig.write(), answer == PasswordOutcome::Abandoned ? TransferOutcome::PasswordAbandoned
                                                                   : TransferOutcome::AppClosing);
        EXPECT_EQ(rig.line.sent, Pairs({0x50, 0x0B}));
        EXPECT_TRUE(rig.observer.statuses.empty());
        EXPECT_TRUE(rig.calls.empty());
    }
}

TEST(WriteProtocol, EachFailureStopsWithItsText) {
    struct Row {
        const char* name;
        SimulatedRadioOptions radio;
        int stuckQueue;
        const char* status;
        Bytes sent;
    };
    // Queue calls: 0 "P", 1 its 0x00, 2 0x0B, 4 "T", 6 0x0B, 8 "R", 10 block 0,
    // 11 its checksum.
    const Row rows[] = {
        {"0x50 not sent", {}, 0, text::kCheckProgrammingMode, Pairs({0x46})},
        {"no identity", With([](auto& o) { o.silentAt = 1; }), -1, text::kCheckProgrammingMode, Pairs({0x50})},
        {"identity refused", With([](auto& o) { o.identity = 0x33; }), -1, text::kUnsupportedRegion,
         Pairs({0x50, 0x46})},
        {"0x0B not sent", {}, 2, text::kCheckVersion, Pairs({0x50, 0x46})},
        {"no version answer", With([](auto& o) { o.silentAt = 2; }), -1, text::kCheckVersion,
         Pairs({0x50, 0x0B})},
        {"version answer without 0x4F", With([](auto& o) { o.versionFirstByte = 0x00; }), -1,
         text::kCheckVersion, Pairs({0x50, 0x0B})},
        {"0x54 not sent", {}, 4, text::kCheckProgrammingMode, Pairs({0x50, 0x0B, 0x46})},
        {"no target byte", With([](auto& o) { o.silentAt = 3; }), -1, text::kCheckProgrammingMode,
         Pairs({0x50, 0x0B, 0x54})},
        {"wrong target", With([](auto& o) { o.target = 0x99; }), -1, text::kUnsupportedRegion,
         Pairs({0x50, 0x0B, 0x54, 0x46})},
        {"0x52 not sent", {}, 8, text::kCheckVersion, Pairs({0x50, 0x0B, 0x54, 0x0B})},
        {"no answer to 0x52", With([](auto& o) { o.silentAt = 4; }), -1, text::kCheckVersion,
         Pairs({0x50, 0x0B, 0x54, 0x0B, 0x52})},
        {"block not sent", {}, 10, text::kCommError, Pairs({0x50, 0x0B, 0x54, 0x0B, 0x52})},
        {"no answer to a block", With([](auto& o) { o.silentAt = 5; }), -1, text::kCommError, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        WriteRig rig(row.radio);
        rig.line.stuckQueue = row.stuckQueue;
        const TransferOutcome outcome = rig.write();
        ASSERT_FALSE(rig.observer.statuses.empty());
        EXPECT_EQ(rig.observer.statuses.back(), row.status);
        if (row.status == std::string(text::kCommError)) {
            EXPECT_EQ(outcome, TransferOutcome::TransferFailed);
        } else {
            EXPECT_EQ(outcome, TransferOutcome::OpeningFailed);
            EXPECT_EQ(rig.observer.paints.back(), std::make_pair(Indicator::Red, false));
        }
        if (!row.sent.empty()) {
            EXPECT_EQ(rig.line.sent, row.sent);
        }
        EXPECT_EQ(rig.radio.image(), RadioImage());
    }
}

TEST(WriteProtocol, AnswerOtherThanOToTheSwitchRequestFails) {
    // A radio that answers the "R" of the switch with 0x46.
    WriteRig rig;
    int answers = 0;
    VirtualLine line([&](std::uint8_t b) {
        Bytes out = rig.radio.receive(b);
        if (!out.empty() && ++answers == 4) out = {0x46};
        return out;
    });
    Link link(line);
    EXPECT_EQ(WriteCodeplug(link, rig.observer, rig.state, rig.steps), TransferOutcome::OpeningFailed);
    EXPECT_EQ(rig.observer.statuses.back(), text::kCheckVersion);
    EXPECT_EQ(line.sent, Pairs({0x50, 0x0B, 0x54, 0x0B, 0x52}));
}

TEST(WriteProtocol, AbortInTheDataPhaseEndsSilently) {
    WriteRig rig;
    rig.observer.onProgress = [&](int value) { if (value == 100) rig.link.Abort(); };
    EXPECT_EQ(rig.write(), TransferOutcome::Aborted);
    EXPECT_EQ(rig.observer.statuses, std::vector<std::string>{text::kWriteWait});
    EXPECT_EQ(rig.dataPhase().size(), 12u * 18);
}

// A write stopped in its data phase (and half a pair after it) leaves the
// radio taking every later byte as data, until its time-out gives the
// exchange up.
TEST(SimulatedRadio, SilenceEndsAnExchangeStoppedHalfWay) {
    WriteRig rig;
    rig.observer.onProgress = [&](int value) { if (value == 100) rig.link.Abort(); };
    ASSERT_EQ(rig.write(), TransferOutcome::Aborted);
    rig.radio.receive(0x52);
    CodeplugImage image;
    RecordingObserver quiet;
    EXPECT_NE(ReadCodeplug(rig.link, quiet, image), TransferOutcome::Success);
    rig.radio.LineSilent();
    EXPECT_EQ(ReadCodeplug(rig.link, quiet, image), TransferOutcome::Success);
    EXPECT_EQ(image.bytes(), RadioImage());
}

// The radio waits for "T" while the user types its password, however long.
TEST(SimulatedRadio, SilenceDoesNotEndAWriteWaitingForItsPassword) {
    struct SlowTypist : PasswordObserver {
        SimulatedRadio* radio = nullptr;
        PasswordOutcome writePassword(const std::string& radioPassword) override {
            radio->LineSilent();
            return PasswordObserver::writePassword(radioPassword);
        }
    };
    WriteRig rig(With([](auto& o) { o.password = "Ab12"; }));
    SlowTypist typist;
    typist.radio = &rig.radio;
    EXPECT_EQ(WriteCodeplug(rig.link, typist, rig.state, rig.steps), TransferOutcome::Success);
    EXPECT_EQ(rig.radio.writesCompleted(), 1);
}

TEST(VerifyWrite, ReadsTheRadioBackAndNamesEveryByteItDidNotKeep) {
    {
        WriteRig rig;
        ASSERT_EQ(rig.write(), TransferOutcome::Success);
        const VerifyResult result = VerifyWrite(rig.link, rig.observer, rig.sent);
        EXPECT_TRUE(result.ok());
        EXPECT_EQ(VerifySummary(result), "the radio holds every byte written");
        EXPECT_EQ(rig.radio.readsCompleted(), 1);
    }
    SimulatedRadioOptions worn;
    const CodeplugImage::Bytes program = ProgramImage();
    worn.stuckBytes = {{100, static_cast<std::uint8_t>(program[100] ^ 0xFF)}, {383, static_cast<std::uint8_t>(program[383] ^ 0xFF)}};
    WriteRig rig(worn);
    ASSERT_EQ(rig.write(), TransferOutcome::Success);
    const VerifyResult result = VerifyWrite(rig.link, rig.observer, rig.sent);
    EXPECT_EQ(result.readOutcome, TransferOutcome::Success);
    EXPECT_FALSE(result.ok());
    ASSERT_EQ(result.mismatches.size(), 2u);
    EXPECT_EQ(MismatchText(result.mismatches[0]), "byte 100 written " + std::to_string(rig.sent[100]) +
                                                       ", read back " + std::to_string(rig.sent[100] ^ 0xFF));
    EXPECT_EQ(result.mismatches[1].offset, 383u);
    EXPECT_EQ(VerifySummary(result), "2 bytes differ");
}

// Many radios take one codeplug: a write that sends no serial number (ten
// 0xFF bytes) leaves each radio its own, and the read-back expects it there.
TEST(VerifyWrite, RadioKeepsItsOwnSerialNumberWhenTheWriteSendsNone) {
    CodeplugImage::Bytes before = RadioImage();
    for (std::size_t k = 0; k < bm::SerialNumberSize; ++k) before[bm::SerialNumber + k] = k < 4 ? 'R' + k : 0;
    WriteRig rig;
    rig.radio = SimulatedRadio(before, {});
    rig.state.image.setByte(bm::SerialWriteEnable, 0);
    ASSERT_EQ(rig.write(), TransferOutcome::Success);
    ASSERT_TRUE(SerialSentBlank(rig.sent));
    CodeplugImage now;
    now.replaceAll(rig.radio.image());
    EXPECT_EQ(now.text(bm::SerialNumber, bm::SerialNumberSize), "RSTU");
    const CodeplugImage::Bytes held = HeldAfterWrite(rig.sent, before);
    EXPECT_EQ(rig.radio.image(), held);
    EXPECT_TRUE(VerifyWrite(rig.link, rig.observer, rig.sent).ok());

    // A serial number that is sent is written, and verified byte for byte.
    rig.state.image.setByte(bm::SerialWriteEnable, 1);
    rig.state.image.setText(bm::SerialNumber, bm::SerialNumberSize, "NEW1");
    ASSERT_EQ(rig.write(), TransferOutcome::Success);
    EXPECT_EQ(HeldAfterWrite(rig.sent, before), rig.sent);
    EXPECT_EQ(rig.radio.image(), rig.sent);
}

TEST(PasswordCheck, ThreeAttemptsExactText) {
    int attempts = 0;
    EXPECT_EQ(CheckPasswordEntry("abc", "ABC", attempts), PasswordEntry::TryAgain);
    EXPECT_EQ(CheckPasswordEntry("ABC ", "ABC", attempts), PasswordEntry::TryAgain);
    EXPECT_EQ(attempts, 2);
    EXPECT_EQ(CheckPasswordEntry("ABCD", "ABC", attempts), PasswordEntry::Refused);
    EXPECT_EQ(attempts, 0);
    attempts = 2;
    EXPECT_EQ(CheckPasswordEntry("ABC", "ABC", attempts), PasswordEntry::Accepted);
}

}  // namespace
}  // namespace vantrel::link
