#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "codeplug/Identity.h"
#include "gui/codeplug/EditorFixture.h"
#include "gui/codeplug/Input.h"
#include "gui/codeplug/RadioInfoFrame.h"
#include "gui/common/Contrast.h"

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
    ASSERT_EQ(f.prompts.messages.size(), 1u);
    const auto& q = f.prompts.messages[0];
    EXPECT_EQ(q.text, "Enter Current Serial Number to Radio ?");
    EXPECT_EQ(q.title, "Save ?");
    EXPECT_EQ(q.buttons, Prompts::Buttons::YesNo);
    EXPECT_FALSE(box->isEnabled());
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

// The question, then the refusal or the default file's load, shown in the
// box, the labels and the menu.
TEST_F(FactoryTest, SuperNumberEntryAsksThenRefusesOrLoads) {
    QLineEdit* box = info().superBox();
    box->clear();
    box->setEnabled(true);
    f.prompts.answers = {A::Yes};
    type(box, "RTKX0000AAA");
    enter(box);
    EXPECT_EQ(f.prompts.texts(),
              (QStringList{"Enter Current Regional Super Velmar Number to Radio ?", "Region Code is not valid..."}));
    EXPECT_TRUE(box->text().isEmpty());
    EXPECT_TRUE(box->isEnabled());

    f.prompts.clear();
    f.prompts.answers = {A::Yes};
    type(box, "rtkv6101aae");
    enter(box);
    EXPECT_EQ(f.prompts.texts(), QStringList{"Enter Current Regional Super Velmar Number to Radio ?"});
    EXPECT_EQ(f.prompts.messages[0].title, "Save ?");
    EXPECT_EQ(box->text(), "RTKV6101AAE");
    EXPECT_FALSE(box->isEnabled());
    const ModelLabel m = ModelTable(2, f.image().byte(bm::RadioType));
    ASSERT_EQ(m.action, ModelLabel::Action::Set);
    EXPECT_EQ(info().modelLabel()->text(), QString::fromStdString(m.text));
    EXPECT_FALSE(info().rangeLabel()->text().isEmpty());
    EXPECT_EQ(f.find<QLabel>("lblSuper")->text(), "Regional Super Velmar");
    EXPECT_TRUE(f.main->menuAction("mnuWrite")->isEnabled());
}

// Typed text reaches the model; a key outside the password characters is
// refused by the box, pasted text by the model.
TEST_F(FactoryTest, PasswordTypingAndRefusals) {
    QLineEdit* box = info().passwordBox();
    type(box, "ab");
    EXPECT_EQ(f.editor().model().copies().password, "ab");
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
    box->setText("ab c");
    EXPECT_EQ(f.prompts.texts(), QStringList{"Invalid Password"});
    EXPECT_TRUE(box->text().isEmpty());
}

}  // namespace
}  // namespace vantrel::test
