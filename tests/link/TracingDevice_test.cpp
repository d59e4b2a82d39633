// A trace of the line never shows the radio password: two transfers that
// differ only in the password bytes leave the same trace.
#include <gtest/gtest.h>

#include <optional>
#include <sstream>

#include "VirtualLine.h"
#include "codeplug/ByteMap.h"
#include "link/ReadProtocol.h"
#include "link/TracingDevice.h"
#include "link/WriteProtocol.h"

namespace vantrel::link {
namespace {

using std::chrono::milliseconds;
using testing::PatternImage;
using testing::VirtualLine;

class Accepting : public LinkObserver {
public:
    PasswordOutcome writePassword(const std::string&) override { return PasswordOutcome::Accepted; }
};

CodeplugImage::Bytes ImageWithPassword(const char* password) {
    CodeplugImage::Bytes bytes = PatternImage(7);
    bytes[bytemap::RadioType] = 2;
    bytes[bytemap::ModelIndex] = 3;
    for (std::size_t i = 0; i < bytemap::PasswordSize; ++i)
        bytes[bytemap::Password + i] = static_cast<std::uint8_t>(password[i]);
    return bytes;
}

struct LineRow {
    std::optional<milliseconds> echo;
    milliseconds reaction;
};

// The trace without its first line (the date), and whether the transfer
// succeeded.
std::pair<std::string, bool> Trace(const LineRow& row, bool write, const char* password) {
    SimulatedRadioOptions options;
    options.password = password;
    // A resend of each password block: the trace must follow the retries.
    options.corruptChecksum = {{46, 1}, {47, 1}};
    options.refuseBlock = {{46, 1}, {47, 1}};
    SimulatedRadio radio(ImageWithPassword(password), options);
    VirtualLine line([&](std::uint8_t b) { return radio.receive(b); });
    line.echo = row.echo;
    line.reaction = row.reaction;
    std::ostringstream out;
    TracingDevice trace(line, out);
    Link link(trace);
    Accepting observer;
    TransferOutcome outcome;
    if (write) {
        AppState state;
        state.image.replaceAll(ImageWithPassword(password));
        outcome = WriteCodeplug(link, observer, state, WriteSteps{});
    } else {
        CodeplugImage image;
        outcome = ReadCodeplug(link, observer, image);
    }
    const std::string text = out.str();
    return {text.substr(text.find('\n') + 1), outcome == TransferOutcome::Success};
}

TEST(TracingDevice, PasswordBytesAreHiddenOnEveryLine) {
    const LineRow lines[] = {{std::nullopt, milliseconds(10)}, {milliseconds(0), milliseconds(10)},
                             {milliseconds(30), milliseconds(10)}, {milliseconds(5), milliseconds(0)}};
    for (bool write : {false, true}) {
        for (const LineRow& row : lines) {
            SCOPED_TRACE(::testing::Message() << (write ? "write" : "read") << ", echo "
                                              << (row.echo ? row.echo->count() : -1) << " ms, reaction "
                                              << row.reaction.count() << " ms");
            const auto [one, oneOk] = Trace(row, write, "SECRET12");
            const auto [other, otherOk] = Trace(row, write, "hush9876");
            ASSERT_TRUE(oneOk && otherOk);
            EXPECT_EQ(one, other);
            EXPECT_NE(one.find("# the radio password is not shown"), std::string::npos);
            EXPECT_NE(one.find("**"), std::string::npos);
            // Only a checksum's own step is hidden, never the steps after it.
            std::size_t hiddenSteps = 0;
            for (std::size_t at = one.find("--  SendByte **"); at != std::string::npos;
                 at = one.find("--  SendByte **", at + 1))
                ++hiddenSteps;
            EXPECT_EQ(hiddenSteps, write ? 4u : 0u);
        }
    }
}

}  // namespace
}  // namespace vantrel::link
