// The factory fields as the editing model takes them: the serial-number and
// super-number entries with the question's answer, the password box's text,
// and the password as a write or a save stores it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "codeplug/FactoryFields.h"
#include "codeplug/Identity.h"
#include "model/ModelTexts.h"
#include "model/OpenedModel.h"

namespace vantrel::testing {
namespace {

namespace bm = bytemap;

const std::string kDataFolder = std::string(VANTREL_TEST_DATA_DIR) + "/../data";

std::vector<std::string> Texts(const Messages& m) {
    std::vector<std::string> out;
    for (const Message& x : m) out.push_back(x.text);
    return out;
}

std::string Field(const CodeplugImage& image, std::size_t offset, std::size_t size) {
    std::string out;
    for (std::size_t i = 0; i < size; ++i) out += static_cast<char>(image.byte(offset + i));
    return out;
}

// Ten serial bytes as the image holds them: the text, then zeros.
std::string Serial(const std::string& text) { return text + std::string(bm::SerialNumberSize - text.size(), '\0'); }

constexpr unsigned kFactory = static_cast<unsigned>(Section::Factory);
constexpr unsigned kLock = static_cast<unsigned>(Section::Lock);

// A shipped data file whose serial number is blank (all 0xFF) and whose
// super number is empty, shown as a load shows it: both boxes empty and
// taking input.
struct BlankFactoryFields : OpenedModel {
    BlankFactoryFields() : OpenedModel("U2_NAG.cpg") {
        for (std::size_t i = 0; i < bm::SerialNumberSize; ++i) state.image.setByte(bm::SerialNumber + i, 0xFF);
        state.image.setText(bm::SuperNumber, bm::SuperNumberSize, "");
        model.PopulateEditor(LoadKind::FileOpen);
        state.dataChanged = false;
    }
};

// ---- Serial number -------------------------------------------------------------

TEST(FactoryFieldEntry, SerialNumber) {
    struct Case {
        const char* name;
        std::string typed;
        bool answer;
        bool asked;
        std::string bytes;  // the ten serial bytes afterwards
        std::string box;
        bool enabled;
        std::vector<std::string> messages;
        unsigned notice;
    };
    const std::string blank(bm::SerialNumberSize, '\xFF');
    const Case cases[] = {
        {"lower case, confirmed", "ab12", true, true, Serial("AB12"), "AB12", false, {}, kFactory | kLock},
        {"upper case, confirmed", "AB12", true, true, Serial("AB12"), "AB12", false, {}, kLock},
        {"declined: the bytes keep the number", "AB12", false, true, Serial("AB12"), "", true, {}, kFactory},
        {"empty, confirmed: ten zero bytes", "", true, true, Serial(""), "", false, {}, kLock},
        {"empty, declined", "", false, true, Serial(""), "", true, {}, 0},
        {"ten characters", "abcdefghij", true, true, "ABCDEFGHIJ", "ABCDEFGHIJ", false, {}, kFactory | kLock},
        {"signs and digits as typed", "12-34/x", true, true, Serial("12-34/X"), "12-34/X", false, {},
         kFactory | kLock},
        {"one byte per character", "\xC4\xC4\xC4\xC4\xC4\xC4" "1234", true, true, "\xC4\xC4\xC4\xC4\xC4\xC4" "1234",
         "\xC4\xC4\xC4\xC4\xC4\xC4" "1234", false, {}, kLock},
        {"eleven characters: refused, not asked", "ABCDEFGHIJK", true, false, blank, "", true,
         {modeltext::kInvalidSerial}, kFactory},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BlankFactoryFields o;
        o.model.TypeSerialText(c.typed);
        o.model.TakeChanges();
        bool asked = false;
        const EditResult r = o.model.EnterSerialNumber(c.typed, [&] {
            asked = true;
            return c.answer;
        });
        EXPECT_EQ(r.ok, c.messages.empty());
        EXPECT_EQ(Texts(r.messages), c.messages);
        EXPECT_EQ(asked, c.asked);
        EXPECT_EQ(Field(o.state.image, bm::SerialNumber, bm::SerialNumberSize), c.bytes);
        EXPECT_EQ(o.model.copies().serial, c.box);
        EXPECT_EQ(o.model.copies().serialEnabled, c.enabled);
        EXPECT_EQ(o.model.TakeChanges().sections, c.notice);
    }
}

// The box shows the bytes up to the first zero, one character a byte, and
// takes input only while it is empty.
TEST(FactoryFieldEntry, ALoadShowsTheSerialNumber) {
    struct Case {
        std::string bytes;
        std::string box;
    };
    const Case cases[] = {
        {std::string(bm::SerialNumberSize, '\xFF'), ""},
        {Serial("AB12"), "AB12"},
        {"\xC4\xC4\xC4\xC4\xC4\xC4" "1234", "\xC4\xC4\xC4\xC4\xC4\xC4" "1234"},
        {"\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF" "A", "\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF" "A"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box);
        BlankFactoryFields o;
        for (std::size_t i = 0; i < bm::SerialNumberSize; ++i)
            o.state.image.setByte(bm::SerialNumber + i, static_cast<std::uint8_t>(c.bytes[i]));
        o.model.PopulateEditor(LoadKind::FileOpen);
        EXPECT_EQ(o.model.copies().serial, c.box);
        EXPECT_EQ(o.model.copies().serialEnabled, c.box.empty());
    }
}

// ---- Super number ---------------------------------------------------------------

TEST(FactoryFieldEntry, SuperNumber) {
    struct Case {
        const char* name;
        std::string typed;
        bool answer;
        std::string bytes;  // the super-number field afterwards, up to the first zero
        std::string box;
        bool enabled;
        int modelIndex;  // -1: as before
        std::vector<std::string> messages;
        int notice;  // -1: a whole load, not checked section by section
    };
    const Case cases[] = {
        {"lower case, looked up in upper case", "rtkv6101aae", true, "RTKV6101AAE", "RTKV6101AAE", false, 2, {}, -1},
        {"not in the table", "RTKX0000AAA", true, "RTKX0000AAA", "", true, -1, {modeltext::kRegionCodeInvalid},
         static_cast<int>(kFactory)},
        {"one byte per character, not in the table", "\xC9", true, "\xC9", "", true, -1,
         {modeltext::kRegionCodeInvalid}, static_cast<int>(kFactory)},
        {"declined: the bytes keep the number", "rtkv6101aae", false, "RTKV6101AAE", "", true, -1, {},
         static_cast<int>(kFactory)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BlankFactoryFields o;
        const int modelIndexBefore = o.state.image.byte(bm::ModelIndex);
        o.model.TypeSuperText(c.typed);
        o.model.TakeChanges();
        int asked = 0;
        const Messages m = o.model.EnterSuperNumber(c.typed, [&] {
            ++asked;
            return c.answer;
        }, kDataFolder);
        EXPECT_EQ(Texts(m), c.messages);
        EXPECT_EQ(asked, 1);
        EXPECT_EQ(o.state.image.text(bm::SuperNumber, bm::SuperNumberSize), c.bytes);
        EXPECT_EQ(o.model.copies().superNumber, c.box);
        EXPECT_EQ(o.model.copies().superEnabled, c.enabled);
        EXPECT_EQ(o.state.image.byte(bm::ModelIndex), c.modelIndex < 0 ? modelIndexBefore : c.modelIndex);
        EXPECT_FALSE(o.state.loadingImage);
        if (c.notice >= 0) {
            EXPECT_EQ(o.model.TakeChanges().sections, static_cast<unsigned>(c.notice));
        }
    }
}

// Every row of the super-number table loads its default data file: the
// model and its label, the frequency range, the box kept and closed.
TEST(FactoryFieldEntry, EverySuperNumberLoadsItsDefaultFile) {
    BlankFactoryFields o;
    for (const DefaultFileRow& row : DefaultFileTable()) {
        SCOPED_TRACE(row.fileName);
        int asked = 0;
        const Messages m = o.model.EnterSuperNumber(row.superNumber, [&] {
            ++asked;
            return true;
        }, kDataFolder);
        EXPECT_TRUE(m.empty()) << (m.empty() ? "" : m.front().text);
        EXPECT_EQ(asked, 1);
        EXPECT_EQ(o.state.image.byte(bm::ModelIndex), row.modelIndex);
        const ModelLabel label = ModelTable(row.modelIndex, o.state.image.byte(bm::RadioType));
        ASSERT_EQ(label.action, ModelLabel::Action::Set);
        EXPECT_EQ(o.model.copies().modelLabel, label.text);
        EXPECT_FALSE(o.model.copies().rangeLabel.empty());
        EXPECT_FALSE(o.model.copies().superEnabled);
        EXPECT_FALSE(o.state.loadingImage);
    }
}

// A default data file that is not there changes no byte: the number just
// typed stays, the model is still the row's.
TEST(FactoryFieldEntry, AMissingDefaultFileKeepsTheTypedNumber) {
    BlankFactoryFields o;
    o.model.EnterSuperNumber("RTKV6101AAE", [] { return true; }, kDataFolder + "/none");
    EXPECT_EQ(o.state.image.text(bm::SuperNumber, bm::SuperNumberSize), "RTKV6101AAE");
    EXPECT_EQ(o.state.image.byte(bm::ModelIndex), 2);
    EXPECT_FALSE(o.state.loadingImage);
}

// ---- Password -------------------------------------------------------------------

// Every change of the box's text clears the toolbar flag; a text with a
// character outside the control codes 1 to 27, digits and ASCII letters
// empties the box.
TEST(FactoryFieldEntry, PasswordText) {
    struct Case {
        const char* name;
        std::string before;
        std::string typed;
        std::string box;
        bool refused;
        bool toolbarCleared;
    };
    const Case cases[] = {
        {"letters and digits as typed", "", "Ab3x9", "Ab3x9", false, true},
        {"eight characters", "", "ABCDEFGH", "ABCDEFGH", false, true},
        {"more than eight: the first eight", "", "ABCDEFGHIJ", "ABCDEFGH", false, true},
        {"control codes pass", "", "a\tb\x1b", "a\tb\x1b", false, true},
        {"emptied", "ab", "", "", false, true},
        {"unchanged: no change at all", "ab", "ab", "ab", false, false},
        {"a blank", "", "ab c", "", true, true},
        {"a hash sign", "ab", "ab#", "", true, true},
        {"code 28", "", "a\x1c", "", true, true},
        {"DEL", "", "\x7f", "", true, true},
        {"an accented letter", "", "\xE4", "", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BlankFactoryFields o;
        ASSERT_TRUE(o.model.SetPassword(c.before).ok);
        o.state.toolbarButtonDown = true;
        const EditResult r = o.model.SetPassword(c.typed);
        EXPECT_EQ(r.ok, !c.refused);
        if (c.refused) {
            ASSERT_EQ(r.messages.size(), 1u);
            EXPECT_EQ(r.messages[0].text, modeltext::kInvalidPassword);
            EXPECT_EQ(r.messages[0].title, "Vantrel CPS");
        } else {
            EXPECT_TRUE(r.messages.empty());
        }
        EXPECT_EQ(o.model.copies().password, c.box);
        EXPECT_EQ(o.state.toolbarButtonDown, !c.toolbarCleared);
    }
}

// The box's text as a write or a save stores it: the characters as typed,
// zeros after them, the length in bytes 236 and 379; byte 378 stays. While
// passwordKept is set the stored password stays.
TEST(FactoryFieldEntry, StoredPassword) {
    struct Case {
        const char* name;
        std::string box;
        bool kept;
        std::string bytes;  // 370..377
        int length;         // 236 and 379
    };
    const Case cases[] = {
        {"five characters", "Ab3x9", false, std::string("Ab3x9\0\0\0", 8), 5},
        {"eight characters", "ABCDEFGH", false, "ABCDEFGH", 8},
        {"empty box", "", false, std::string(8, '\0'), 0},
        {"kept", "Ab3x9", true, "ZZZZZZZZ", 8},
        {"kept, empty box", "", true, "ZZZZZZZZ", 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BlankFactoryFields o;
        auto& image = o.state.image;
        image.setText(bm::Password, bm::PasswordSize, "ZZZZZZZZ");
        image.setByte(bm::PasswordLength, 8);
        image.setByte(bm::PasswordLengthCopy, 8);
        image.setByte(bm::SerialWriteEnable, 7);
        ASSERT_TRUE(o.model.SetPassword(c.box).ok);
        o.state.passwordKept = c.kept;
        o.model.StorePassword();
        EXPECT_EQ(Field(image, bm::Password, bm::PasswordSize), c.bytes);
        EXPECT_EQ(image.byte(bm::PasswordLength), c.length);
        EXPECT_EQ(image.byte(bm::PasswordLengthCopy), c.length);
        EXPECT_EQ(image.byte(bm::SerialWriteEnable), 7);
    }
}

}  // namespace
}  // namespace vantrel::testing
