#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "codeplug/CodeplugFile.h"
#include "shell/CtlRun.h"

namespace {

const std::string kData = VANTREL_BUILD_DATA_DIR;

}  // namespace

TEST(CmdShow, ShowsTheRadioInformationOfADataFile) {
    const CtlRun text = vantrelctl("show " + kData + "/V2_APAC_B.cpg");
    ASSERT_EQ(text.exitCode, 0) << text.out;
    for (const char* line : {"Model Number:          PYW37FNV5RT3\n", "Frequency Range:       150.00000 ~ 174.00000 MHz\n",
                             "Firmware Version:      R10.00.UV2\n", "Codeplug Version:      R14.21\n",
                             "Serial Number:         \n", "Regional Super Number: RTKV6101BAA\n",
                             "Channels:              16\n"})
        EXPECT_NE(text.out.find(line), std::string::npos) << line << "in\n" << text.out;
    for (const char* line : {"Ch No  Rx Freq.   PL Option      SQ      Mute  Tx Freq.   PL Option      PWR  TOC  Rx Only  Rev Burst  BCLO  Band  TA\n",
                             "1      151.02500  TPL: 103.5 Hz  Normal  1     151.02500  TPL: 103.5 Hz  H    Off  Off      240        Off   25    Off\n",
                             "TPL2  200.0  200.0\n", "Scan List: 001\n", "\nScan\n",
                             "  Scan Speed (msec):                   ", "  Programmable Button 1 Short Press:   ",
                             "\nTime Out Timer\n", "  Battery Save Mode Enable:            "})
        EXPECT_NE(text.out.find(line), std::string::npos) << line << "in\n" << text.out;

    const CtlRun json = vantrelctl("show " + kData + "/U2_NAG1.cpg --json");
    ASSERT_EQ(json.exitCode, 0) << json.out;
    for (const char* item : {"\"modelNumber\": \"W37MKZ5RT1QN\"", "\"modelIndex\": 9", "\"radioType\": 1",
                             "\"channelCount\": 8", "\"superNumber\": \"RTKU7202AAN\""})
        EXPECT_NE(json.out.find(item), std::string::npos) << item << " in\n" << json.out;
}

TEST(CmdShow, RefusesWhatIsNotADataFile) {
    const CtlRun wrong = vantrelctl("show " + std::string(VANTREL_TEST_DATA_DIR) + "/CMakeLists.txt");
    EXPECT_EQ(wrong.exitCode, 1);
    EXPECT_NE(wrong.out.find("is not a Vantrel programmer data file"), std::string::npos) << wrong.out;
    EXPECT_EQ(vantrelctl("show").exitCode, 2);
    EXPECT_EQ(vantrelctl("show a.cpg b.cpg").exitCode, 2);
}

TEST(CmdShow, JsonCarriesRawCodesBesideTheTexts) {
    namespace bm = vantrel::bytemap;
    vantrel::CodeplugImage img;
    ASSERT_TRUE(vantrel::CopyToBox(img, kData + "/V2_APAC.cpg").ok());
    img.setByte(bm::channelRecord(2) + 6, 43);        // receive DPL 023 ...
    img.setByte(bm::channelRecord(2) + 9, 128 | 32);  // ... inverted
    img.setByte(bm::channelRecord(3) + 7, 140);       // a code no table has
    img.setByte(bm::scanSlot(5), 5);
    img.setWord(bm::userTplTxWord(2), 0);
    const std::string file = (std::filesystem::temp_directory_path() / ("vantrel_show_raw_" + std::to_string(getpid()) + ".cpg")).string();
    std::ofstream(file, std::ios::binary) << vantrel::FormatCodeplugFile(img);

    const CtlRun json = vantrelctl("show " + file + " --json");
    std::filesystem::remove(file);
    ASSERT_EQ(json.exitCode, 0) << json.out;
    for (const char* item : {"\"rxSignal\": {\"text\": \"IDPL: 023\", \"code\": 43, \"inverted\": true}",
                             // A code no table has leaves the cell as a fresh editor has it.
                             "\"txSignal\": {\"text\": \"\", \"code\": 140, \"inverted\": false}",
                             "\"rxFrequency\": {\"text\": \"151.02500\", \"code\": 31380, \"raster\": 1, \"subBand\": 1}",
                             // A zero word leaves the box with its first text, as in the editor.
                             "\"tx\": {\"text\": \"255.0\", \"word\": 0}",
                             "{\"text\": \"001\", \"channel\": 1},\n    {\"text\": \"005\", \"channel\": 5}"})
        EXPECT_NE(json.out.find(item), std::string::npos) << item << " in\n" << json.out;
}
