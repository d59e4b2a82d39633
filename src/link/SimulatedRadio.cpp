#include "link/SimulatedRadio.h"

#include <algorithm>
#include <cstdio>

#include "codeplug/ByteMap.h"
#include "link/ProtocolBytes.h"

namespace vantrel::link {

SimulatedRadio::SimulatedRadio(const CodeplugImage::Bytes& image, SimulatedRadioOptions options)
    : image_(image), options_(std::move(options)) {}

std::uint8_t SimulatedRadio::TargetOf(const CodeplugImage::Bytes& image) {
    return static_cast<std::uint8_t>((image[bytemap::ModelIndex] & 0x0F) * 16 +
                                     image[bytemap::RadioType]);
}

Bytes SimulatedRadio::receive(std::uint8_t byte) {
    if (!pending_) {
        pending_ = byte;
        return {};
    }
    const std::uint8_t b = *pending_;
    pending_.reset();
    if (byte != 0x00) {
        char text[64];
        std::snprintf(text, sizeof text, "byte 0x%02X followed by 0x%02X, not 0x00", b, byte);
        lineErrors_.emplace_back(text);
        return {};
    }
    return handle(b);
}

void SimulatedRadio::LineSilent() {
    pending_.reset();
    if (step_ != Step::WriteVersion) step_ = Step::Idle;
}

Bytes SimulatedRadio::answer(Bytes bytes) {
    ++answers_;
    if (options_.silentAt > 0 && answers_ >= options_.silentAt) return {};
    if (const auto junk = options_.junkBefore.find(answers_); junk != options_.junkBefore.end())
        bytes.insert(bytes.begin(), junk->second);
    if (const auto junk = options_.junkAfter.find(answers_); junk != options_.junkAfter.end())
        bytes.push_back(junk->second);
    return bytes;
}

Bytes SimulatedRadio::readBlock(bool withAccept) {
    Bytes out;
    if (withAccept) out.push_back(options_.versionFirstByte.value_or(kAck));
    const std::uint8_t* data = &image_[static_cast<std::size_t>(block_) * kBlockSize];
    out.insert(out.end(), data, data + kBlockSize);
    std::uint8_t checksum = BlockChecksum(data);
    if (int& bad = options_.corruptChecksum[block_]; bad > 0) {
        --bad;
        checksum = static_cast<std::uint8_t>(checksum + 1);
    }
    out.push_back(checksum);
    return answer(out);
}

Bytes SimulatedRadio::handle(std::uint8_t b) {
    if (step_ == Step::WriteData) return handleWriteData(b);
    // An opening byte starts a new exchange whatever state the last one left.
    if (b == kReadRequest && step_ != Step::WriteSwitch) {
        step_ = Step::ReadOpened;
        return answer({options_.identity});
    }
    if (b == kWriteRequest) {
        step_ = Step::WriteOpened;
        return answer({options_.identity});
    }
    switch (step_) {
    case Step::ReadOpened:
        if (b != kVersionRequest) break;
        step_ = Step::ReadBlocks;
        block_ = 0;
        return readBlock(true);
    case Step::ReadBlocks:
        if (b == kReject) return readBlock(false);
        if (b != kAck) break;
        if (++block_ < kBlockCount) return readBlock(false);
        ++readsCompleted_;
        step_ = Step::Idle;
        return {};
    case Step::WriteOpened: {
        if (b != kVersionRequest) break;
        step_ = Step::WriteVersion;
        Bytes out{options_.versionFirstByte.value_or(kAck)};
        for (std::size_t n = 0; n < 8; ++n)
            out.push_back(n < options_.password.size()
                              ? static_cast<std::uint8_t>(options_.password[n]) : 0x00);
        out.push_back(0x00);
        return answer(out);
    }
    case Step::WriteVersion:
    case Step::WriteTarget:
        if (b == kTargetRequest) {
            step_ = Step::WriteTarget;
            if (options_.targetBusy > 0) {
                --options_.targetBusy;
                return answer({kReject});
            }
            return answer({options_.target.value_or(TargetOf(image_))});
        }
        if (b == kVersionRequest && step_ == Step::WriteTarget) {
            step_ = Step::WriteSwitch;
            return {};
        }
        break;
    case Step::WriteSwitch:
        if (b != kReadRequest) break;
        step_ = Step::WriteData;
        block_ = 0;
        collected_.clear();
        return answer({kAck});
    default:
        break;
    }
    // Anything else (the program's 0x46 among it) ends the exchange.
    step_ = Step::Idle;
    return {};
}

Bytes SimulatedRadio::handleWriteData(std::uint8_t b) {
    collected_.push_back(b);
    if (collected_.size() < kBlockSize + 1) return {};
    const bool good = BlockChecksum(collected_.data()) == collected_[kBlockSize];
    bool refused = false;
    if (int& n = options_.refuseBlock[block_]; good && n > 0) {
        --n;
        refused = true;
    }
    if (!good || refused) {
        collected_.clear();
        return answer({kReject});
    }
    std::copy(collected_.begin(), collected_.begin() + kBlockSize,
              incoming_.begin() + static_cast<std::ptrdiff_t>(block_) * kBlockSize);
    collected_.clear();
    if (++block_ == kBlockCount) {
        // Ten 0xFF serial bytes say "no serial number to write": the radio
        // keeps its own, so that one codeplug can go into many radios.
        const auto serial = incoming_.begin() + bytemap::SerialNumber;
        if (std::all_of(serial, serial + bytemap::SerialNumberSize, [](std::uint8_t b) { return b == 0xFF; }))
            std::copy(image_.begin() + bytemap::SerialNumber,
                      image_.begin() + bytemap::SerialNumber + bytemap::SerialNumberSize, serial);
        image_ = incoming_;
        for (const auto& [offset, value] : options_.stuckBytes)
            if (offset >= 0 && static_cast<std::size_t>(offset) < image_.size()) image_[static_cast<std::size_t>(offset)] = value;
        ++writesCompleted_;
        step_ = Step::Idle;
    }
    return answer({kAck});
}

}  // namespace vantrel::link
