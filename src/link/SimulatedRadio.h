#pragma once
// The radio's side of the read and write exchanges, for the simulated radio
// (vantrelctl simulate) and for tests. It is fed the program's bytes one at a
// time and returns what the radio answers; timing (reaction time, pacing) is
// the runner's business. Every program byte must be followed by 0x00: a pair
// that breaks this is logged as a line error and ignored.
//
// Like a radio, it gives an exchange up after a silence on the line (the
// runner tells it, see LineSilent): a write stopped in its data phase does
// not take the next read's bytes as data.
#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "codeplug/CodeplugImage.h"
#include "link/ByteDevice.h"

namespace vantrel::link {

struct SimulatedRadioOptions {
    std::uint8_t identity = 0x31;
    // Replaces the 0x4F that begins the answer to the version request.
    std::optional<std::uint8_t> versionFirstByte;
    // Block number -> how many times its checksum goes out wrong (read).
    std::map<int, int> corruptChecksum;
    // The n-th answer (1 = the identity) and every later one are never sent.
    int silentAt = 0;
    // Write side: the radio's own password (p1..p8 of the version answer).
    std::string password;
    // Answer to "T": computed from the radio's image unless fixed here.
    std::optional<std::uint8_t> target;
    // "T" is first answered with 0x46 this many times.
    int targetBusy = 0;
    // Block number -> how many times a correct copy is asked for again (write).
    std::map<int, int> refuseBlock;
    // Image offset -> the value the radio keeps there whatever a write sends
    // (a memory cell that no longer takes writes).
    std::map<int, std::uint8_t> stuckBytes;
    // Answer number (1 = the identity) -> a byte of noise on the line just
    // before that answer, or just after it.
    std::map<int, std::uint8_t> junkBefore, junkAfter;
};

// The silence after which the radio gives up an exchange in progress.
constexpr std::chrono::milliseconds kRadioSilenceTimeout{2000};

class SimulatedRadio {
public:
    SimulatedRadio(const CodeplugImage::Bytes& image, SimulatedRadioOptions options);

    // One byte from the program; returns the radio's answer (often empty).
    Bytes receive(std::uint8_t byte);
    // The line has been silent for kRadioSilenceTimeout: the exchange in
    // progress is over and a byte still waiting for its 0x00 is dropped. A
    // write waiting for "T" keeps waiting: its user may be typing the
    // radio's password.
    void LineSilent();

    const CodeplugImage::Bytes& image() const { return image_; }
    int readsCompleted() const { return readsCompleted_; }
    int writesCompleted() const { return writesCompleted_; }
    const std::vector<std::string>& lineErrors() const { return lineErrors_; }
    // The target byte the radio answers to "T" when not fixed.
    static std::uint8_t TargetOf(const CodeplugImage::Bytes& image);

private:
    enum class Step {
        Idle,
        ReadOpened,     // identity sent, waiting for the version request
        ReadBlocks,     // a block is out, waiting for 0x4F or 0x46
        WriteOpened,    // identity sent, waiting for the version request
        WriteVersion,   // password answered, waiting for "T"
        WriteTarget,    // target answered, waiting for 0x0B (then "R") or "T" again
        WriteSwitch,    // waiting for "R"
        WriteData,      // collecting 8 data bytes and a checksum per block
    };

    Bytes handle(std::uint8_t b);
    Bytes answer(Bytes bytes);
    Bytes readBlock(bool withAccept);
    Bytes handleWriteData(std::uint8_t b);

    CodeplugImage::Bytes image_;
    CodeplugImage::Bytes incoming_{};
    SimulatedRadioOptions options_;
    Step step_ = Step::Idle;
    std::optional<std::uint8_t> pending_;   // first byte of a pair
    int block_ = 0;
    std::vector<std::uint8_t> collected_;
    int answers_ = 0;
    int readsCompleted_ = 0;
    int writesCompleted_ = 0;
    std::vector<std::string> lineErrors_;
};

}  // namespace vantrel::link
