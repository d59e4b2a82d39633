#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "codeplug/Identity.h"
#include "gui/common/Contrast.h"
#include "gui/codeplug/EditorFixture.h"
#include "gui/codeplug/Input.h"
#include "gui/codeplug/RadioInfoFrame.h"

namespace vantrel::test {
namespace {

namespace bm = bytemap;
using A = Prompts::Answer;

struct FactoryTest : ::testing::Test {
    EditorFixture f;
    void SetUp() override {
        f.startUp();
        f.load(sampleImage());
        f.prompts.clear();
    }
    RadioInfoFrame& info() { return *f.editor().radioInfo(); }
};

TEST_F(FactoryTest, SerialNumberIsStoredUpperCasedAndConfirmed) {
    QLineEdit* box = info().serialBox();
    ASSERT_TRUE(box->isEnabled());
    f.prompts.answers = {A::Yes};
    type(box, "ab12");
    EXPECT_EQ(f.find<QLabel>("lblSerial")->text(), "Please Press the 'Enter' Key");
    // A red, as dark as the form's background needs it to be read.
    const QPalette pending = f.find<QLabel>("lblSerial")->palette();
    EXPECT_GT(pending.color(QPalette::WindowText).red(), 2 * pending.color(QPalette::WindowText).green());
    EXPECT_GE(ContrastRatio(pending.color(QPalette::WindowText), pending.color(QPalette::Window)), kReadableContrast);
    enter(box);
    EXPECT_EQ(f.find<QLabel>("lblSerial")->text(), "Serial Number");
    EXPECT_EQ(box->text(), "AB12");
    EXPECT_EQ(f.image().text(bm::SerialNumber, bm::SerialNumberSize), "AB12");
    for (std::size_t i = 4; i < 10; ++i) EXPECT_EQ(f.image().byte(bm::SerialNumber + i), 0);
    ASSERT_EQ(f.prompts.messages.size(), 1u);
    const auto& q = f.prompts.messages[0];
    EXPECT_EQ(q.text, "Enter Current Serial Number to Radio ?");
    EXPECT_EQ(q.title, "Save ?");
    EXPECT_EQ(q.buttons, Prompts::Buttons::YesNo);
    EXPECT_FALSE(box->isEnabled());
}

TEST_F(FactoryTest, SerialNumberAnsweredNoKeepsTheBytes) {
    QLineEdit* box = info().serialBox();
    f.prompts.answers = {A::No};
    enter(box);   // an empty box stores ten zero bytes
    for (std::size_t i = 0; i < 10; ++i) EXPECT_EQ(f.image().byte(bm::SerialNumber + i), 0);
    EXPECT_EQ(f.prompts.texts(), QStringList{"Enter Current Serial Number to Radio ?"});
    EXPECT_TRUE(box->isEnabled());
    EXPECT_TRUE(box->text().isEmpty());
}

// Pasted accented text takes one byte per character and shows back as typed.
TEST_F(FactoryTest, AccentedSerialAndSuperNumbersTakeOneBytePerCharacter) {
    f.prompts.answers = {A::Yes, A::Yes};
    QLineEdit* serial = info().serialBox();
    serial->setText(QString::fromUtf8("\u00C4\u00C4\u00C4\u00C4\u00C4\u00C41234"));
    enter(serial);
    EXPECT_EQ(f.image().byte(bm::SerialNumber), 0xC4);
    EXPECT_EQ(f.image().byte(bm::SerialNumber + 6), '1');
    EXPECT_EQ(f.image().byte(bm::SerialNumber + 9), '4');
    f.load(f.image());  // shown back from the image
    EXPECT_EQ(serial->text(), QString::fromUtf8("\u00C4\u00C4\u00C4\u00C4\u00C4\u00C41234"));

    QLineEdit* super = info().superBox();
    super->setText(QString::fromUtf8("\u00C9"));
    enter(super);   // not in the table: refused, the byte stays as typed
    EXPECT_EQ(f.image().byte(bm::SuperNumber), 0xC9);
    EXPECT_EQ(f.image().byte(bm::SuperNumber + 1), 0);
}

TEST_F(FactoryTest, SuperNumberInLowerCaseLoadsTheDefaultFile) {
    QLineEdit* box = info().superBox();
    box->clear();
    box->setEnabled(true);
    f.prompts.answers = {A::Yes};
    type(box, "rtkv6101aae");
    enter(box);
    EXPECT_EQ(f.prompts.texts(), QStringList{"Enter Current Regional Super Velmar Number to Radio ?"});
    EXPECT_EQ(f.prompts.messages[0].title, "Save ?");
    EXPECT_EQ(f.image().byte(bm::ModelIndex), 2);
    EXPECT_EQ(box->text(), "RTKV6101AAE");
    EXPECT_FALSE(box->isEnabled());
    EXPECT_FALSE(f.state.loadingImage);
    const ModelLabel m = ModelTable(2, f.image().byte(bm::RadioType));
    ASSERT_EQ(m.action, ModelLabel::Action::Set);
    EXPECT_EQ(info().modelLabel()->text(), QString::fromStdString(m.text));
    EXPECT_EQ(f.find<QLabel>("lblSuper")->text(), "Regional Super Velmar");
}

TEST_F(FactoryTest, UnknownSuperNumberIsRefused) {
    QLineEdit* box = info().superBox();
    box->clear();
    box->setEnabled(true);
    const CodeplugImage before = f.image();
    f.prompts.answers = {A::Yes};
    type(box, "RTKX0000AAA");
    enter(box);
    EXPECT_EQ(f.prompts.texts(),
              (QStringList{"Enter Current Regional Super Velmar Number to Radio ?", "Region Code is not valid..."}));
    EXPECT_TRUE(box->text().isEmpty());
    EXPECT_TRUE(box->isEnabled());
    EXPECT_EQ(f.image().text(bm::SuperNumber, bm::SuperNumberSize), "RTKX0000AAA");
    EXPECT_EQ(f.image().byte(bm::ModelIndex), before.byte(bm::ModelIndex));
}

TEST_F(FactoryTest, SuperNumberAnsweredNoLoadsNothing) {
    QLineEdit* box = info().superBox();
    box->clear();
    box->setEnabled(true);
    f.prompts.answers = {A::No};
    type(box, "RTKV6101AAE");
    enter(box);
    EXPECT_EQ(f.prompts.messages.size(), 1u);
    EXPECT_TRUE(box->text().isEmpty());
    EXPECT_EQ(f.image().byte(bm::ModelIndex), 1);
}

TEST_F(FactoryTest, EveryDefaultFileLoadsThroughSuperNumberEntry) {
    for (const DefaultFileRow& row : DefaultFileTable()) {
        QLineEdit* box = info().superBox();
        box->clear();
        box->setEnabled(true);
        f.prompts.clear();
        f.prompts.answers = {A::Yes};
        type(box, row.superNumber);
        enter(box);
        EXPECT_EQ(f.prompts.messages.size(), 1u) << row.fileName << ": " << f.prompts.texts().join('|').toStdString();
        EXPECT_EQ(f.image().byte(bm::ModelIndex), row.modelIndex) << row.fileName;
        const ModelLabel m = ModelTable(row.modelIndex, f.image().byte(bm::RadioType));
        ASSERT_EQ(m.action, ModelLabel::Action::Set) << row.fileName;
        EXPECT_EQ(info().modelLabel()->text(), QString::fromStdString(m.text)) << row.fileName;
        EXPECT_FALSE(info().rangeLabel()->text().isEmpty()) << row.fileName;
        EXPECT_TRUE(f.main->menuAction("mnuWrite")->isEnabled());
    }
}

TEST_F(FactoryTest, StorePasswordWritesTheBoxAsTyped) {
    // The write's step that stores the password box, as the editor runs it.
    auto storePassword = [this] {
        f.editor().forward([](EditingModel& m) {
            m.StorePassword();
            return EditResult{};
        });
    };
    f.image().setByte(bm::SerialWriteEnable, 7);
    QLineEdit* box = info().passwordBox();
    type(box, "Ab3x9");
    EXPECT_TRUE(f.prompts.messages.empty());
    storePassword();
    EXPECT_EQ(f.image().text(bm::Password, bm::PasswordSize), "Ab3x9");
    for (std::size_t i = 375; i <= 377; ++i) EXPECT_EQ(f.image().byte(i), 0);
    EXPECT_EQ(f.image().byte(bm::PasswordLength), 5);
    EXPECT_EQ(f.image().byte(bm::PasswordLengthCopy), 5);
    EXPECT_EQ(f.image().byte(bm::SerialWriteEnable), 7);

    f.state.passwordKept = true;
    box->clear();
    storePassword();
    EXPECT_EQ(f.image().byte(bm::PasswordLength), 5);
    f.state.passwordKept = false;
    storePassword();
    for (std::size_t i = 370; i <= 377; ++i) EXPECT_EQ(f.image().byte(i), 0);
    EXPECT_EQ(f.image().byte(bm::PasswordLength), 0);
    EXPECT_EQ(f.image().byte(bm::PasswordLengthCopy), 0);
}

TEST_F(FactoryTest, PasswordRefusesOtherCharacters) {
    QLineEdit* box = info().passwordBox();
    type(box, "ab");
    f.state.dataChanged = false;
    key(box, Qt::Key_NumberSign, "#");
    EXPECT_EQ(f.prompts.texts(), QStringList{"Invalid Password"});
    EXPECT_EQ(box->text(), "ab");
    EXPECT_TRUE(f.state.dataChanged);
    box->setCursorPosition(0);
    key(box, Qt::Key_Delete, QString(QChar(0x7f)));   // editing keys still work
    EXPECT_EQ(box->text(), "b");
    EXPECT_EQ(f.prompts.messages.size(), 1u);
    // Pasted text is checked as a whole.
    f.prompts.clear();
    f.state.toolbarButtonDown = true;
    box->setText("ab c");
    EXPECT_EQ(f.prompts.texts(), QStringList{"Invalid Password"});
    EXPECT_TRUE(box->text().isEmpty());
    EXPECT_FALSE(f.state.toolbarButtonDown);
}

}  // namespace
}  // namespace vantrel::test
