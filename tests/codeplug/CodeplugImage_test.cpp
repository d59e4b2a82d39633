#include <gtest/gtest.h>

#include "codeplug/AppState.h"

using vantrel::CodeplugImage;

TEST(CodeplugImage, StartsZeroedAndChecksOffsets) {
    CodeplugImage img;
    for (std::size_t i = 0; i < CodeplugImage::kSize; ++i) ASSERT_EQ(img.byte(i), 0);
    img.setByte(384, 7);
    img.setWord(383, 0xABCD);  // the high byte would fall outside
    EXPECT_EQ(img.byte(383), 0xCD);
    EXPECT_EQ(img.byte(384), 0);
    EXPECT_EQ(img.word(383), 0x00CD);
}

TEST(CodeplugImage, WordsAreLittleEndianAndBitGroupsKeepTheRest) {
    CodeplugImage img;
    img.setWord(244, 0x0201);
    EXPECT_EQ(img.byte(244), 0x01);
    EXPECT_EQ(img.byte(245), 0x02);
    img.setByte(5, 0b1001'0001);
    img.setBits(5, 5, 2, 3);
    EXPECT_EQ(img.byte(5), 0b1111'0001);
    img.setBit(5, 0, false);
    EXPECT_EQ(img.byte(5), 0b1111'0000);
    EXPECT_EQ(img.bits(5, 4, 4), 0xFu);
}

TEST(CodeplugImage, TextFieldsAreZeroPaddedAndCut) {
    CodeplugImage img;
    img.setText(370, 8, "ABCDEFGHIJ");
    EXPECT_EQ(img.text(370, 8), "ABCDEFGH");
    EXPECT_EQ(img.byte(378), 0);  // the next field is untouched
    img.setText(370, 8, "AB");
    EXPECT_EQ(img.text(370, 8), "AB");
    for (int i = 2; i < 8; ++i) EXPECT_EQ(img.byte(370 + i), 0);
}
