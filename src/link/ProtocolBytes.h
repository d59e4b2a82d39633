#pragma once
// Byte values and status texts of the radio's programming exchanges.
#include <cstddef>
#include <cstdint>

namespace vantrel::link {

constexpr std::uint8_t kReadRequest = 0x52;     // "R": open a read; in a write: ready for data
constexpr std::uint8_t kWriteRequest = 0x50;    // "P": open a write
constexpr std::uint8_t kVersionRequest = 0x0B;
constexpr std::uint8_t kTargetRequest = 0x54;   // "T"
constexpr std::uint8_t kAck = 0x4F;             // "O"
constexpr std::uint8_t kReject = 0x46;          // "F"

constexpr int kBlockCount = 48;
constexpr int kBlockSize = 8;
constexpr std::size_t kFirstAnswerSize = 10;    // 0x4F + 8 bytes + checksum / password answer
constexpr std::size_t kBlockAnswerSize = 9;     // 8 bytes + checksum
constexpr std::size_t kSendBlockSize = 16;      // 8 data bytes, each followed by 0x00
constexpr int kMaxRetries = 3;
// 0x46 answers to the target check before the write gives up.
constexpr int kMaxTargetBusy = 10;

// Identity bytes of radios whose codeplug region this program does not support.
constexpr std::uint8_t kRefusedIdentities[] = {0x32, 0x33, 0x80, 0x81, 0x84};
bool IsRefusedIdentity(std::uint8_t identity);

// Low 8 bits of the sum of a block's data bytes.
std::uint8_t BlockChecksum(const std::uint8_t* data, std::size_t n = kBlockSize);

// Polls of the polled one-byte receive.
constexpr double kReadIdentityPolls = 500000;
constexpr double kWriteIdentityPolls = 200000;
constexpr double kTargetPolls = 500000;

namespace text {
constexpr const char* kCheckProgrammingMode = "Communication Error. Please check Programming mode.";
constexpr const char* kUnsupportedRegion = "Communication Error. Unsupported radio codeplug region.";
constexpr const char* kCheckVersion = "Communication Error. Please check codeplug version.";
constexpr const char* kCommError = "Communication Error.";
constexpr const char* kReadWait = "Please wait a moment......";
constexpr const char* kWriteWait = "Please wait a moment.......";
constexpr const char* kReadDone = "Successfully Reading End.";
constexpr const char* kWriteDone = "Successfully Writing End.";
constexpr const char* kWriteInDoubt =
    "Writing End, but an answer from the radio was not clear. Please read the radio back to verify.";
}  // namespace text

}  // namespace vantrel::link
