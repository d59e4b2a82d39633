#include "link/TraceMask.h"

#include <cstdio>

#include "codeplug/ByteMap.h"
#include "link/ProtocolBytes.h"

namespace vantrel::link {

namespace bm = vantrel::bytemap;

namespace {

std::string sendByteStep(std::uint8_t b) {
    char text[24];
    std::snprintf(text, sizeof text, "SendByte 0x%02X", b);
    return text;
}

bool startsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

constexpr int kFirstPasswordBlock = static_cast<int>(bm::Password) / kBlockSize;
constexpr int kLastPasswordBlock = static_cast<int>(bm::Password + bm::PasswordSize - 1) / kBlockSize;

}  // namespace

const char* const TraceMask::kNotice =
    "# the radio password is not shown: its bytes are ** (in a write's version answer, in the"
    " blocks with image bytes 370..377 and their checksums)";

bool TraceMask::passwordBlock(int block) const {
    return block >= kFirstPasswordBlock && block <= kLastPasswordBlock;
}

bool TraceMask::passwordByte(int block, std::size_t dataIndex) const {
    const std::size_t at = static_cast<std::size_t>(block) * kBlockSize + dataIndex;
    return at >= bm::Password && at < bm::Password + bm::PasswordSize;
}

std::string TraceMask::step(const std::string& what) {
    previous_[1] = previous_[0];
    previous_[0] = step_;
    step_ = what;
    const bool sends = startsWith(what, "Send");
    if (sends) {
        sentInStep_ = 0;
        receivedInStep_ = 0;
        checksum_ = false;
    }
    if (what == sendByteStep(kWriteRequest)) {
        exchange_ = Exchange::Write;
        block_ = -1;
        writeData_ = false;
    } else if (what == sendByteStep(kReadRequest)) {
        // In a write, "R" follows the second version request and a pause.
        const bool writesNext = exchange_ == Exchange::Write && !writeData_ &&
                                startsWith(previous_[0], "Pause") && previous_[1] == sendByteStep(kVersionRequest);
        if (!writesNext) {
            exchange_ = Exchange::Read;
            block_ = -1;
        }
    } else if (exchange_ == Exchange::Read && what == sendByteStep(kVersionRequest)) {
        block_ = 0;  // the answer brings block 0
    } else if (exchange_ == Exchange::Read && block_ >= 0 && what == sendByteStep(kAck)) {
        ++block_;
    } else if (exchange_ == Exchange::Write && what == "SendBlock") {
        if (!writeData_) block_ = 0;
        writeData_ = true;
    } else if (exchange_ == Exchange::Write && writeData_ && startsWith(what, "SendByte") &&
               startsWith(previous_[0], "Pause") && previous_[1] == "SendBlock") {
        checksum_ = true;
    }
    if (sends) versionAnswer_ = exchange_ == Exchange::Write && !writeData_ && what == sendByteStep(kVersionRequest);
    return sends && checksum_ && passwordBlock(block_) ? "SendByte **" : what;
}

void TraceMask::note(const std::string& what) {
    if (startsWith(what, "the cable echoes")) echo_ = true;
    else if (startsWith(what, "the cable does not echo")) echo_ = false;
}

std::vector<bool> TraceMask::sent(const Bytes& bytes) {
    std::vector<bool> hide(bytes.size(), false);
    for (std::size_t i = 0; i < bytes.size(); ++i, ++sentInStep_) {
        if (exchange_ != Exchange::Write || !passwordBlock(block_)) continue;
        // A block goes as 8 pairs of data byte and 0x00.
        if (step_ == "SendBlock") hide[i] = sentInStep_ % 2 == 0 && passwordByte(block_, sentInStep_ / 2);
        else if (checksum_) hide[i] = sentInStep_ == 0;
    }
    return hide;
}

std::vector<bool> TraceMask::received(const Bytes& bytes) {
    std::vector<bool> hide(bytes.size(), false);
    for (std::size_t i = 0; i < bytes.size(); ++i, ++receivedInStep_) {
        const std::size_t at = receivedInStep_;
        if (versionAnswer_) {
            hide[i] = true;
        } else if (exchange_ == Exchange::Read && block_ >= kFirstPasswordBlock) {
            // Everything from the block's first password byte on: an echo
            // or a stray byte in front would shift the bytes to the right.
            hide[i] = block_ > kFirstPasswordBlock || at >= bm::Password % kBlockSize;
        } else if (exchange_ == Exchange::Write && passwordBlock(block_) && (step_ == "SendBlock" || checksum_)) {
            hide[i] = step_ == "SendBlock" || at == 0;  // the echo of what was sent
        }
        // The radio's answer to a block's checksum: 0x4F takes the next block.
        if (exchange_ == Exchange::Write && writeData_ && checksum_ && at == (echo_ ? 2u : 0u) && bytes[i] == kAck)
            ++block_;
    }
    return hide;
}

std::vector<bool> TraceMask::discarded(const Bytes& bytes) {
    const bool near = (exchange_ != Exchange::None && block_ >= kFirstPasswordBlock) ||
                      versionAnswer_ || (exchange_ == Exchange::Write && !writeData_);
    return std::vector<bool>(bytes.size(), near);
}

}  // namespace vantrel::link
