// Whole reads and writes over the lines met in the field: cables that echo the
// program's bytes soon or late, radios or adapters that answer at once. The
// bytes on the line and the pauses after each answer must not change.
#include <gtest/gtest.h>

#include <optional>

#include "VirtualLine.h"
#include "codeplug/ByteMap.h"
#include "link/ReadProtocol.h"
#include "link/WriteProtocol.h"

namespace vantrel::link {
namespace {

using std::chrono::milliseconds;
using testing::PatternImage;
using testing::VirtualLine;

struct LineRow {
    std::optional<milliseconds> echo;
    milliseconds reaction;
    bool paced = false;
};

// The first row is the plain line the others are compared with.
const LineRow kLines[] = {
    {std::nullopt, milliseconds(10)}, {milliseconds(0), milliseconds(10)},
    {milliseconds(5), milliseconds(10)}, {milliseconds(30), milliseconds(10)},
    {std::nullopt, milliseconds(0)}, {milliseconds(0), milliseconds(0)},
    {milliseconds(5), milliseconds(0)}, {milliseconds(30), milliseconds(0)},
    {std::nullopt, milliseconds(10), true}, {milliseconds(0), milliseconds(10), true},
};

CodeplugImage::Bytes RadioImage(int seed) {
    CodeplugImage::Bytes bytes = PatternImage(seed);
    bytes[bytemap::RadioType] = 2;
    bytes[bytemap::ModelIndex] = 3;
    return bytes;
}

struct Transfer {
    TransferOutcome outcome;
    Bytes sent;
    // Microseconds from the end of each radio answer to the program's next byte.
    std::vector<long long> pauses;
    CodeplugImage::Bytes result;    // the image read, or the radio's after a write
    CodeplugImage::Bytes expected;  // the radio's image, or the bytes written
    std::size_t lineErrors;
};

Transfer RunOn(const LineRow& row, bool write) {
    SimulatedRadio radio(RadioImage(7), {});
    VirtualLine line([&](std::uint8_t b) { return radio.receive(b); });
    line.echo = row.echo;
    line.reaction = row.reaction;
    line.paced = row.paced;
    Link link(line);
    LinkObserver quiet;
    Transfer t{};
    if (write) {
        AppState state;
        state.image.replaceAll(RadioImage(11));
        t.outcome = WriteCodeplug(link, quiet, state, WriteSteps{}, &t.expected);
        t.result = radio.image();
    } else {
        CodeplugImage image;
        t.outcome = ReadCodeplug(link, quiet, image);
        t.result = image.bytes();
        t.expected = RadioImage(7);
    }
    t.sent = line.sent;
    t.lineErrors = radio.lineErrors().size();
    for (std::size_t k = 1; k < line.sentAt.size(); ++k) {
        std::optional<Clock::time_point> answered;
        for (const auto& a : line.answers)
            if (a.cause == k - 1) answered = a.at.time;
        if (answered)
            t.pauses.push_back(std::chrono::duration_cast<std::chrono::microseconds>(
                                   line.sentAt[k].time - *answered).count());
    }
    return t;
}

TEST(LineConditions, ReadAndWriteAreTheSameOnEveryLine) {
    for (bool write : {false, true}) {
        const Transfer plain = RunOn(kLines[0], write);
        ASSERT_EQ(plain.outcome, TransferOutcome::Success);
        // Every answer is followed by the quiet that shows it came alone;
        // the radio's shorter pauses after an answer (10 ms, 2 ms) fall
        // within it.
        const long long quiet = std::chrono::microseconds(kAnswerSettle).count();
        std::vector<long long> pauses;
        if (write) {
            // 200 + 10 ms after the identity, then after the version answer,
            // the target, the switch answer and each acknowledgement but the
            // last.
            pauses = {210000};
            pauses.insert(pauses.end(), 3 + 47, quiet);
        } else {
            // After the identity and after each block.
            pauses.insert(pauses.end(), 1 + 48, quiet);
        }
        EXPECT_EQ(plain.pauses, pauses);
        for (const LineRow& row : kLines) {
            SCOPED_TRACE(::testing::Message() << (write ? "write" : "read") << ", echo "
                                              << (row.echo ? row.echo->count() : -1)
                                              << " ms, reaction " << row.reaction.count() << " ms"
                                              << (row.paced ? ", paced" : ""));
            const Transfer t = RunOn(row, write);
            EXPECT_EQ(t.outcome, TransferOutcome::Success);
            EXPECT_EQ(t.sent, plain.sent);
            EXPECT_EQ(t.pauses, plain.pauses);
            EXPECT_EQ(t.result, t.expected);
            EXPECT_EQ(t.lineErrors, 0u);
        }
    }
}

}  // namespace
}  // namespace vantrel::link
