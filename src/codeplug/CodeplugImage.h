#pragma once
// The in-memory codeplug: 384 bytes that every editor control is a view of.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "codeplug/ByteMap.h"

namespace vantrel {

class CodeplugImage {
public:
    static constexpr std::size_t kSize = bytemap::kImageSize;
    using Bytes = std::array<std::uint8_t, kSize>;

    CodeplugImage() { bytes_.fill(0); }

    // Offsets are checked: a read outside 0..383 gives 0 and a write there is
    // ignored, so a wrong computed offset can never corrupt memory.
    std::uint8_t byte(std::size_t offset) const;
    void setByte(std::size_t offset, std::uint8_t value);

    // Bits [shift, shift + width) of one byte.
    unsigned bits(std::size_t offset, unsigned shift, unsigned width = 1) const;
    void setBits(std::size_t offset, unsigned shift, unsigned width, unsigned value);
    bool bit(std::size_t offset, unsigned shift) const { return bits(offset, shift, 1) != 0; }
    void setBit(std::size_t offset, unsigned shift, bool on) { setBits(offset, shift, 1, on ? 1 : 0); }

    // 16-bit little-endian word.
    std::uint16_t word(std::size_t offset) const;
    void setWord(std::size_t offset, std::uint16_t value);

    // Zero-padded ASCII field: read up to the first zero byte; write pads with
    // zeros and cuts text longer than the field.
    std::string text(std::size_t offset, std::size_t width) const;
    void setText(std::size_t offset, std::size_t width, const std::string& value);

    const Bytes& bytes() const { return bytes_; }
    void replaceAll(const Bytes& bytes) { bytes_ = bytes; }

    bool operator==(const CodeplugImage& other) const { return bytes_ == other.bytes_; }
    bool operator!=(const CodeplugImage& other) const { return !(*this == other); }

private:
    Bytes bytes_;
};

// Bytes 11 and 12 take their fixed values before every write and save.
void SetFixedWriteBytes(CodeplugImage& image);

}  // namespace vantrel
