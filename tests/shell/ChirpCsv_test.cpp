#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "channels/ChannelOptions.h"
#include "channels/FrequencyCodec.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/Identity.h"
#include "shell/ChirpChannel.h"
#include "shell/ChirpCsv.h"
#include "shell/Csv.h"

namespace vantrel {
namespace {

const std::string kData = VANTREL_BUILD_DATA_DIR;

// A data file opened as File > Open opens it, after an optional change of
// its bytes.
struct Opened {
    AppState state;
    EditingModel model{state};
    explicit Opened(const std::string& path, const std::function<void(CodeplugImage&)>& change = {}) {
        CodeplugImage image;
        EXPECT_TRUE(CopyToBox(image, path).ok()) << path;
        if (change) change(image);
        model.LoadImage(LoadKind::FileOpen, image.bytes());
        state.dataChanged = false;
    }
};

std::string describe(const chirp::Channel& c) {
    if (!c.rxHz) return "no channel";
    auto signal = [](const chirp::Signal& s) {
        return std::to_string(static_cast<int>(s.kind)) + "/" + std::to_string(s.tenthsHz) + "/" + s.code +
               (s.inverted ? "i" : "");
    };
    return std::to_string(*c.rxHz) + " " + (c.txHz ? std::to_string(*c.txHz) : "-") + (c.rxOnly ? " rxonly" : "") +
           " tx " + signal(c.tx) + " rx " + signal(c.rx) + (c.wide ? " 25" : " 12.5") +
           (c.scan ? " scan" : "") + (c.highPower ? " H" : " L");
}

// A 16-channel UHF radio (450-470 MHz) whose channels use every kind of
// signalling pair, both rasters, offsets, Rx Only, narrow and low power.
std::unique_ptr<Opened> richImage() {
    auto opened = std::make_unique<Opened>(kData + "/U2_NAG.cpg", [](CodeplugImage& image) {
        image.setWord(bytemap::userTplTxWord(2), 1000);  // TPL3 transmit 100.0 Hz, also a table tone
    });
    EditingModel& m = opened->model;
    struct Row {
        int n;
        const char* rx;
        const char* tx;
        int rxCode, txCode;
        bool rxInv, txInv;
    };
    const Row rows[] = {
        {2, "462.5625", "467.5625", 23, 23, false, false},   // TSQL 141.3
        {3, "462.575", "462.575", 43, 43, true, false},      // DTCS 023 NR
        {4, "462.55", "462.55", 127, 0, true, false},        // ->DTCS 754 R
        {5, "451.005", "451.005", 0, 0, false, false},       // 5 kHz raster, Rx Only
        {6, "460.0", "455.0", 128, 130, false, false},       // TPL1 receive, TPL3 transmit
        {7, "463.0", "463.0", 1, 44, false, false},          // DTCS->Tone
        {8, "450.005", "455.0", 0, 129, false, false},       // transmit TPL2 only
        {9, "469.9875", "", 0, 0, false, false},             // no transmit frequency
    };
    for (const Row& r : rows) {
        EXPECT_TRUE(m.CommitFrequency(r.n, Side::Rx, r.rx).ok) << r.n;
        if (*r.tx) {
            EXPECT_TRUE(m.CommitFrequency(r.n, Side::Tx, r.tx).ok) << r.n;
        }
        EXPECT_TRUE(m.ChooseSignal(r.n, Side::Rx, r.rxCode, r.rxInv).ok) << r.n;
        EXPECT_TRUE(m.ChooseSignal(r.n, Side::Tx, r.txCode, r.txInv).ok) << r.n;
    }
    EXPECT_TRUE(m.SetCellText(3, kColBandwidth, "12.5").ok);
    EXPECT_TRUE(m.SetCellText(4, kColPower, "L").ok);
    EXPECT_TRUE(m.SetCellText(5, kColRxOnly, "On").ok);
    for (int n : {2, 5, 7}) EXPECT_TRUE(m.AddToScanList(n).ok) << n;
    opened->state.dataChanged = false;
    return opened;
}

TEST(ChirpCsv, ExportThenImportIntoTheSameFileChangesNoByte) {
    std::vector<std::pair<std::string, std::unique_ptr<Opened>>> images;
    for (const auto& entry : std::filesystem::directory_iterator(kData))
        if (entry.path().extension() == ".cpg")
            images.emplace_back(entry.path().filename(), std::make_unique<Opened>(entry.path()));
    ASSERT_EQ(images.size(), 29u);
    images.emplace_back("rich image", richImage());

    for (auto& [name, opened] : images) {
        const AppState& state = opened->state;
        const CodeplugImage before = state.image;
        const std::string csv = ExportChirpCsv(state);
        const ChirpImport result = ImportChirpCsv(csv, opened->model);
        EXPECT_TRUE(result.error.empty()) << name;
        EXPECT_TRUE(result.skipped.empty()) << name << ": " << SkippedRowText(result.skipped.at(0));
        EXPECT_EQ(result.imported + 1, static_cast<int>(ParseCsv(csv).size())) << name;
        EXPECT_EQ(FormatCodeplugFile(state.image), FormatCodeplugFile(before)) << name;
        EXPECT_FALSE(state.dataChanged) << name;
    }
}

TEST(ChirpCsv, ImportRebuildsTheChannelsOfAnExport) {
    const std::unique_ptr<Opened> opened = richImage();
    const AppState& rich = opened->state;
    Opened into(kData + "/U2_NAG.cpg");
    const AppState& target = into.state;
    const ChirpImport result = ImportChirpCsv(ExportChirpCsv(rich), into.model);
    EXPECT_TRUE(result.skipped.empty());
    EXPECT_EQ(result.imported, 9);
    for (int n = 1; n <= 16; ++n)
        if (n != 9) {
            EXPECT_EQ(describe(chirp::ChannelOf(target, n)), describe(chirp::ChannelOf(rich, n))) << "channel " << n;
        }
    // A channel without a transmit frequency is "off" in the list; a new
    // channel takes it as Rx Only on its receive frequency.
    EXPECT_EQ(describe(chirp::ChannelOf(target, 9)), "469987500 469987500 rxonly tx 0/0/ rx 0/0/ 25 H");
    EXPECT_TRUE(target.dataChanged);
}

TEST(ChirpCsv, ExportWritesValuesTheWayChirpDoes) {
    const std::vector<CsvRecord> rows = ParseCsv(ExportChirpCsv(richImage()->state));
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(rows[0], kChirpColumns);
    const std::map<int, CsvRecord> expected = {
        {2, {"2", "", "462.562500", "+", "5.000000", "TSQL", "141.3", "141.3", "023", "NN", "023", "Tone->Tone",
             "FM", "6.25", "", "High", "", "", "", "", ""}},
        {3, {"3", "", "462.575000", "", "0.000000", "DTCS", "88.5", "88.5", "023", "NR", "023", "Tone->Tone",
             "NFM", "6.25", "S", "High", "", "", "", "", ""}},
        {4, {"4", "", "462.550000", "", "0.000000", "Cross", "88.5", "88.5", "023", "NR", "754", "->DTCS",
             "FM", "6.25", "S", "Low", "", "", "", "", ""}},
        {5, {"5", "", "451.005000", "off", "0.000000", "", "88.5", "88.5", "023", "NN", "023", "Tone->Tone",
             "FM", "5.00", "", "High", "", "", "", "", ""}},
        {6, {"6", "", "460.000000", "-", "5.000000", "Cross", "100.0", "120.0", "023", "NN", "023",
             "Tone->Tone", "FM", "6.25", "S", "High", "", "", "", "", ""}},
        {9, {"9", "", "469.987500", "off", "0.000000", "", "88.5", "88.5", "023", "NN", "023", "Tone->Tone",
             "FM", "6.25", "S", "High", "", "", "", "", ""}},
    };
    for (const auto& [n, row] : expected) EXPECT_EQ(rows[static_cast<std::size_t>(n)], row) << "channel " << n;
}

// Rows as CHIRP writes them: CR LF, every column, one tone mode each.
TEST(ChirpCsv, ImportsRowsWrittenByChirpAndReportsTheOnesTheRadioCannotHold) {
    const std::string header =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,"
        "CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";
    struct Case {
        const char* row;
        int n;           // 0: the row is left out
        int rxCode, txCode;
        bool rxInv, txInv;
        const char* reason;
    };
    const Case cases[] = {
        {"1,GMRS1,462.562500,,0.000000,Tone,100.0,88.5,023,NN,023,Tone->Tone,FM,12.50,,5.0W,,,,,", 1, 0, 13, false, false, nullptr},
        {"2,,462.587500,,0.000000,TSQL,88.5,141.3,023,NN,023,Tone->Tone,FM,12.50,,1.0W,,,,,", 2, 23, 23, false, false, nullptr},
        {"3,,462.612500,,0.000000,DTCS,88.5,88.5,023,NR,023,Tone->Tone,NFM,12.50,,High,,,,,", 3, 43, 43, true, false, nullptr},
        {"4,,462.637500,,0.000000,TSQL-R,88.5,67.0,023,NN,023,Tone->Tone,FM,12.50,,High,,,,,", 4, 1, 0, false, false, nullptr},
        {"5,,462.662500,,0.000000,DTCS-R,88.5,88.5,754,NR,023,Tone->Tone,FM,12.50,,High,,,,,", 5, 127, 0, true, false, nullptr},
        {"6,,462.687500,,0.000000,Cross,67.0,254.1,023,NN,023,Tone->Tone,FM,12.50,,High,,,,,", 6, 42, 1, false, false, nullptr},
        {"7,,462.712500,,0.000000,Cross,67.0,88.5,023,NR,025,Tone->DTCS,FM,12.50,,High,,,,,", 7, 44, 1, true, false, nullptr},
        {"8,,467.562500,,0.000000,Cross,88.5,69.3,026,RN,023,DTCS->Tone,FM,12.50,,High,,,,,", 8, 2, 45, false, true, nullptr},
        {"9,,467.587500,,0.000000,Cross,88.5,71.9,023,NN,023,->Tone,FM,12.50,,High,,,,,", 9, 3, 0, false, false, nullptr},
        {"10,,467.612500,,0.000000,Cross,88.5,88.5,023,NN,031,->DTCS,FM,12.50,,High,,,,,", 10, 46, 0, false, false, nullptr},
        {"11,,467.637500,,0.000000,Cross,88.5,88.5,032,NN,023,DTCS->,FM,12.50,,High,,,,,", 11, 0, 47, false, false, nullptr},
        {"12,,467.662500,,0.000000,Cross,88.5,88.5,043,RR,047,DTCS->DTCS,FM,12.50,,High,,,,,", 12, 49, 48, true, true, nullptr},
        {"13,,462.550000,+,5.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,5.00,S,Low,,,,,", 13, 0, 0, false, false, nullptr},
        {"14,,520.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,", 0, 0, 0, false, false,
         "receive frequency 520.000000: Out of Frequency Range"},
        {"15,,462.562500,,0.000000,Tone,100.1,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,", 0, 0, 0, false, false,
         "tone 100.1 Hz is not in the radio's tone table"},
        {"16,,462.562500,,0.000000,DTCS,88.5,88.5,999,NN,023,Tone->Tone,FM,5.00,,High,,,,,", 0, 0, 0, false, false,
         "DTCS code \"999\" is not in the radio's code table"},
        {"17,,462.562500,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,", 0, 0, 0, false, false,
         "the radio has channels 1 to 16"},
        // Channel 14 again, with a transmit frequency out of the band: the
        // whole row is left out, its receive frequency too.
        {"14,,451.000000,+,25.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,", 0, 0, 0, false, false,
         "transmit frequency 476: Out of Frequency Range"},
        {"16,,462.562500,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,AM,5.00,,High,,,,,", 0, 0, 0, false, false,
         "mode \"AM\" is not one the radio has"},
        // Channel 2 again, a row the radio could hold: it would silently
        // replace the first row's channel while both counted as imported.
        {"2,,462.600000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,12.50,,High,,,,,", 0, 0, 0, false, false,
         "channel 2 is already taken from row 3"},
    };
    std::string csv = header;
    for (const Case& c : cases) csv += std::string(c.row) + "\r\n";

    Opened opened(kData + "/U2_NAG.cpg");
    const AppState& state = opened.state;
    const ChirpImport result = ImportChirpCsv(csv, opened.model);
    ASSERT_TRUE(result.error.empty()) << result.error;
    EXPECT_EQ(result.imported, 13);

    std::vector<std::string> reasons;
    for (const SkippedRow& s : result.skipped) reasons.push_back(SkippedRowText(s));
    std::vector<std::string> expectedReasons;
    for (const Case& c : cases)
        if (c.reason) expectedReasons.push_back("location " + std::string(c.row, std::strchr(c.row, ',')) + ": " + c.reason);
    EXPECT_EQ(reasons, expectedReasons);

    const CodeplugImage& img = state.image;
    for (const Case& c : cases) {
        if (!c.n) continue;
        SCOPED_TRACE(c.row);
        EXPECT_EQ(img.byte(SignalOffset(c.n, Side::Rx)), c.rxCode);
        EXPECT_EQ(img.byte(SignalOffset(c.n, Side::Tx)), c.txCode);
        EXPECT_EQ(OptionValue(img, c.n, ChannelOption::RxDplInverted), c.rxInv ? 1u : 0u);
        EXPECT_EQ(OptionValue(img, c.n, ChannelOption::TxDplInverted), c.txInv ? 1u : 0u);
        EXPECT_EQ(chirp::MHzText(StoredFrequencyHz(state, c.n, Side::Rx).value_or(0)), ParseCsv(c.row)[0][2]);
    }
    EXPECT_EQ(DecodeRxFrequency(state, 13), "462.55000");
    EXPECT_EQ(DecodeTxFrequency(state, 13), "467.55000");
    EXPECT_EQ(OptionText(img, 13, ChannelOption::Bandwidth), "12.5");
    EXPECT_EQ(OptionText(img, 13, ChannelOption::Power), "L");
    EXPECT_EQ(OptionText(img, 1, ChannelOption::Power), "H");  // 5.0W, the highest in the file
    EXPECT_EQ(OptionText(img, 2, ChannelOption::Power), "L");  // 1.0W
    EXPECT_EQ(img.byte(bytemap::scanSlot(13)), 0);
    EXPECT_EQ(img.byte(bytemap::scanSlot(2)), 2);
    EXPECT_FALSE(chirp::ChannelOf(state, 14).rxHz);
    EXPECT_FALSE(chirp::ChannelOf(state, 16).rxHz);
}

// Lists in the shapes real CHIRP exports have: the older 17 columns, 18 with
// DVCODE, today's 21; CR LF; rows with more fields than the header; Locations
// from 0, from 100 and with gaps; names. Each is imported by its own numbers
// and by filling channels from a first one.
TEST(ChirpCsv, RealListShapesImportByTheirNumbersOrFillFromAFirstChannel) {
    const std::string h17 =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode,TStep,Skip,"
        "Comment,URCALL,RPT1CALL,RPT2CALL\r\n";
    const std::string h18 = h17.substr(0, h17.size() - 2) + ",DVCODE\r\n";
    const std::string h21 =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,"
        "CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";
    // From 0, no names; a trailing empty field past the header.
    const std::string from0 = h17 +
                              "0,,462.562500,,0.000000,,88.5,88.5,023,NN,FM,12.50,,,,,,\r\n"
                              "1,,462.587500,,0.000000,Tone,100.0,88.5,023,NN,NFM,12.50,,,,,,\r\n"
                              "2,,462.612500,,0.000000,,88.5,88.5,023,NN,FM,12.50,,,,,,\r\n";
    // From 100 with a gap, named, one row out of the band.
    const std::string from100 = h18 +
                                "100,GMRS 1,462.562500,,0.000000,,88.5,88.5,023,NN,FM,12.50,,,,,,,\r\n"
                                "101,AIR,121.500000,,0.000000,,88.5,88.5,023,NN,FM,12.50,,,,,,\r\n"
                                "105,Repeater,462.550000,+,5.000000,TSQL,88.5,141.3,023,NN,FM,12.50,,,,,,\r\n";
    // Today's shape, numbered from 1 with a gap.
    const std::string from1 = h21 +
                              "1,,451.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,\r\n"
                              "4,,452.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,,\r\n"
                              "5,,453.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,\r\n";
    const struct {
        const char* what;
        const std::string& list;
        std::optional<int> first;
        const char* summary;
        std::map<int, const char*> rx;   // channel: receive frequency; "" for none
        std::vector<std::string> leftOut;
        bool namesDropped;
    } cases[] = {
        {"from 0, own numbers", from0, std::nullopt, "imported 2 rows into channels 1\xE2\x80\x93" "2; 1 left out",
         {{1, "462587500"}, {2, "462612500"}, {3, ""}}, {"location 0: the radio has channels 1 to 16"}, false},
        {"from 0, filled from 1", from0, 1, "imported 3 rows into channels 1\xE2\x80\x93" "3; 0 left out",
         {{1, "462562500"}, {2, "462587500"}, {3, "462612500"}}, {}, false},
        {"from 100, own numbers", from100, std::nullopt, "imported 0 rows; 3 left out", {{2, ""}},
         {"location 100: the radio has channels 1 to 16", "location 101: the radio has channels 1 to 16",
          "location 105: the radio has channels 1 to 16"},
         false},
        // The row the radio cannot take gives its channel to the next one.
        {"from 100, filled from 5", from100, 5, "imported 2 rows into channels 5\xE2\x80\x93" "6; 1 left out",
         {{5, "462562500"}, {6, "462550000"}, {7, ""}},
         {"location 101: receive frequency 121.500000: Out of Frequency Range"}, true},
        {"from 1 with a gap, own numbers", from1, std::nullopt, "imported 3 rows into channels 1\xE2\x80\x93" "5; 0 left out",
         {{1, "451000000"}, {2, ""}, {4, "452000000"}, {5, "453000000"}}, {}, false},
        {"filled up to the last channel", from1, 15, "imported 2 rows into channels 15\xE2\x80\x93" "16; 1 left out",
         {{15, "451000000"}, {16, "452000000"}},
         {"location 5: no channel left: the radio has channels 1 to 16"}, false},
        {"one row", h21 + "7,,451.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,\r\n",
         std::nullopt, "imported 1 row into channel 7; 0 left out", {{7, "451000000"}}, {}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Opened opened(kData + "/U2_NAG.cpg");
        const ChirpImport result = ImportChirpCsv(c.list, opened.model, c.first);
        ASSERT_EQ(result.error, "");
        EXPECT_EQ(ImportSummary(result), c.summary);
        std::vector<std::string> leftOut;
        for (const SkippedRow& s : result.skipped) leftOut.push_back(SkippedRowText(s));
        EXPECT_EQ(leftOut, c.leftOut);
        EXPECT_EQ(result.namesDropped, c.namesDropped);
        for (const auto& [n, rx] : c.rx) {
            const auto hz = chirp::ChannelOf(opened.state, n).rxHz;
            EXPECT_EQ(hz ? std::to_string(*hz) : "", rx) << "channel " << n;
        }
    }

    // A first channel the radio does not have refuses the list whole.
    Opened opened(kData + "/U2_NAG.cpg");
    const CodeplugImage before = opened.state.image;
    for (int first : {0, 17}) {
        const ChirpImport result = ImportChirpCsv(from0, opened.model, first);
        EXPECT_EQ(result.error, "there is no channel " + std::to_string(first) + ": the radio has channels 1 to 16");
        EXPECT_EQ(result.imported, 0);
    }
    EXPECT_EQ(FormatCodeplugFile(opened.state.image), FormatCodeplugFile(before));
}

// Powers in watts are relative to the highest of the rows taken: a row left
// out, here one out of the band with more watts, changes nothing.
TEST(ChirpCsv, ALeftOutRowDoesNotDecideWhichWattsAreHigh) {
    const std::string list =
        "Location,Frequency,Power\r\n"
        "1,462.5625,4.0W\r\n"
        "2,121.5,5.0W\r\n"
        "3,462.5875,1.0W\r\n";
    Opened opened(kData + "/U2_NAG.cpg");
    const ChirpImport result = ImportChirpCsv(list, opened.model);
    ASSERT_EQ(result.skipped.size(), 1u);
    EXPECT_EQ(result.skipped[0].location, "2");
    EXPECT_EQ(OptionText(opened.state.image, 1, ChannelOption::Power), "H");
    EXPECT_EQ(OptionText(opened.state.image, 3, ChannelOption::Power), "L");
}

TEST(ChirpCsv, AFileWithoutLocationAndFrequencyColumnsIsRefusedWhole) {
    Opened opened(kData + "/U2_NAG.cpg");
    const AppState& state = opened.state;
    const CodeplugImage before = state.image;
    for (const char* text : {"", "Name,Freq\r\nA,462.5625\r\n", "Location\r\n1\r\n"}) {
        const ChirpImport result = ImportChirpCsv(text, opened.model);
        EXPECT_FALSE(result.error.empty()) << text;
        EXPECT_EQ(result.imported, 0);
    }
    EXPECT_EQ(FormatCodeplugFile(state.image), FormatCodeplugFile(before));
}

// Lists that have been through a spreadsheet: a byte-order mark before the
// header, CR LF, blank lines and quoted fields are read; a list separated by
// semicolons is refused with that reason, not as one without columns.
TEST(ChirpCsv, ListsSavedBySpreadsheetsAreReadOrRefusedWithTheirReason) {
    const std::string header = "Location,Name,Frequency,Duplex,Offset,Mode\r\n";
    const struct {
        std::string text;
        int imported;
        const char* error;
    } rows[] = {
        {"\xEF\xBB\xBF" + header + "\r\n2,\"Gate, north\",462.5625,,0.000000,NFM\r\n\r\n", 1, ""},
        {"\xEF\xBB\xBFLocation;Name;Frequency\r\n2;;462.5625\r\n", 0,
         "not a CHIRP channel list: its fields are separated by semicolons; save it with commas between the fields"},
        {"", 0, "not a CHIRP channel list: the file is empty"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        Opened opened(kData + "/U2_NAG.cpg");
        const ChirpImport result = ImportChirpCsv(row.text, opened.model);
        EXPECT_EQ(result.error, row.error);
        EXPECT_EQ(result.imported, row.imported);
        EXPECT_TRUE(result.skipped.empty());
        EXPECT_EQ(chirp::ChannelOf(opened.state, 2).rxHz.has_value(), row.imported == 1);
    }
}

}  // namespace
}  // namespace vantrel
