#pragma once
// A model's default codeplug carrying `serial`, its first channel's receive
// frequency moved by `seed` steps so that images of different seeds differ.
#include <string>

#include "codeplug/ByteMap.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/CodeplugImage.h"
#include <gtest/gtest.h>

namespace vantrel::test {

inline CodeplugImage::Bytes Image(const std::string& serial, int seed = 1) {
    CodeplugImage image;
    EXPECT_TRUE(CopyToBox(image, VANTREL_TEST_DATA_DIR "/../data/U2_EMEA.cpg").ok());
    const std::size_t rx = bytemap::channelRecord(1);
    image.setByte(rx, static_cast<std::uint8_t>(image.byte(rx) + seed));
    image.setText(bytemap::SerialNumber, bytemap::SerialNumberSize, serial);
    return image.bytes();
}

}  // namespace vantrel::test
