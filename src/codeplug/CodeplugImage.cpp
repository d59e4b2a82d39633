#include "codeplug/CodeplugImage.h"

#include "codeplug/ByteMap.h"

namespace vantrel {

std::uint8_t CodeplugImage::byte(std::size_t offset) const {
    return offset < kSize ? bytes_[offset] : 0;
}

void CodeplugImage::setByte(std::size_t offset, std::uint8_t value) {
    if (offset < kSize) bytes_[offset] = value;
}

unsigned CodeplugImage::bits(std::size_t offset, unsigned shift, unsigned width) const {
    if (shift >= 8 || width == 0) return 0;
    const unsigned mask = (1u << width) - 1u;
    return (byte(offset) >> shift) & mask;
}

void CodeplugImage::setBits(std::size_t offset, unsigned shift, unsigned width, unsigned value) {
    if (shift >= 8 || width == 0) return;
    const unsigned mask = ((1u << width) - 1u) << shift;
    const unsigned old = byte(offset);
    setByte(offset, static_cast<std::uint8_t>((old & ~mask) | ((value << shift) & mask)));
}

std::uint16_t CodeplugImage::word(std::size_t offset) const {
    return static_cast<std::uint16_t>(byte(offset) | (byte(offset + 1) << 8));
}

void CodeplugImage::setWord(std::size_t offset, std::uint16_t value) {
    setByte(offset, static_cast<std::uint8_t>(value & 0xFF));
    setByte(offset + 1, static_cast<std::uint8_t>(value >> 8));
}

std::string CodeplugImage::text(std::size_t offset, std::size_t width) const {
    std::string out;
    for (std::size_t i = 0; i < width; ++i) {
        const std::uint8_t c = byte(offset + i);
        if (c == 0) break;
        out.push_back(static_cast<char>(c));
    }
    return out;
}

void CodeplugImage::setText(std::size_t offset, std::size_t width, const std::string& value) {
    for (std::size_t i = 0; i < width; ++i)
        setByte(offset + i, i < value.size() ? static_cast<std::uint8_t>(value[i]) : 0);
}

void SetFixedWriteBytes(CodeplugImage& image) {
    image.setByte(bytemap::Fixed60, bytemap::kFixed60Value);
    image.setByte(bytemap::Fixed20, bytemap::kFixed20Value);
}

}  // namespace vantrel
