// Every text of the editor and its dialogs fits its control in every language,
// at the default font and (second run of this program) at QT_SCALE_FACTOR=2.
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <gtest/gtest.h>

#include "gui/archive/frmArchive.h"
#include "gui/channels/ChannelGrid.h"
#include "gui/channels/frmChannelToneOption.h"
#include "gui/codeplug/EditorFixture.h"
#include "gui/codeplug/Input.h"
#include "gui/common/Translations.h"
#include "gui/fleet/frmFleet.h"
#include "gui/i18n/TextFit.h"
#include "gui/link/LinkFixture.h"
#include "gui/link/frmPasswordW.h"
#include "gui/link/frmProtection.h"
#include "gui/report/frmMultiPgPreview.h"
#include "gui/shell/AboutBox.h"
#include "gui/shell/HelpViewer.h"
#include "gui/shell/ImportNumberingDialog.h"
#include "gui/shell/LanguageMenu.h"
#include "gui/shell/frmSpla.h"

namespace vantrel::test {
namespace {

class Fit : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override { ASSERT_EQ(InstallLanguage(GetParam()), QString::fromLatin1(GetParam())); }
    void TearDown() override { InstallLanguage(QStringLiteral("en")); }

    // Shows the window as the user gets it and lists what it cuts.
    static QStringList shown(QWidget& w) {
        w.show();
        QApplication::processEvents();
        return CutTexts(&w);
    }
};

TEST_P(Fit, TheEditorAndItsMenus) {
    LinkFixture f;
    new LanguageMenu(*f.main, f.settings);
    f.state.image.replaceAll(DefaultImage());
    f.state.loadingImage = true;
    f.editor().PopulateEditor(frmMain::LoadKind::FileOpen);
    f.state.loadingImage = false;
    QStringList cut = shown(*f.main);
    cut << CutMenus(f.main->menuBar());
    EXPECT_TRUE(cut.isEmpty()) << cut.join('\n').toStdString();
}

TEST_P(Fit, TheDialogs) {
    LinkFixture f;
    QStringList cut;
    for (auto mode : {frmProgram::Mode::Read, frmProgram::Mode::Write}) {
        f.dialog().Open(mode);
        cut << shown(f.dialog());
    }
    frmChannelToneOption tone(f.editor().context(), *f.editor().grid(), f.main.get());
    cut << shown(tone);
    frmProtection protection(f.state, f.prompts, *f.main);
    cut << shown(protection);
    frmPasswordW password(f.state, f.prompts, *f.main, f.dialog());
    cut << shown(password);
    ImportNumberingDialog numbering(16, nullptr);
    cut << shown(numbering);
    frmAbout about(f.main.get());
    cut << shown(about);
    frmSpla splash;
    cut << shown(splash);
    HelpViewer help;
    cut << shown(help);
    report::frmMultiPgPreview preview;
    cut << shown(preview);
    frmFleet fleet(f.prompts, [](int) { return QString(); }, [] { return std::optional<fleet::FleetWrite>(); });
    fleet.refreshDevices();
    cut << shown(fleet);
    f.settings.setValue(QStringLiteral("Archive/Location"), QStringLiteral("off"));
    frmArchive archive(f.prompts, f.settings,
                       {[](const CodeplugImage::Bytes&, const QString&) { return false; },
                        [&f]() -> const EditingModel& { return f.editor().model(); }});
    cut << shown(archive);
    EXPECT_TRUE(cut.isEmpty()) << cut.join('\n').toStdString();
}

// A message box is as wide as its whole title in a window manager's title
// bar; the titles the editor's messages use.
TEST_P(Fit, MessageTitles) {
    EditorFixture f;
    f.startUp();
    f.load(sampleImage());
    f.prompts.answers = {Prompts::Answer::No};
    auto* serial = f.find<QLineEdit>("txtSerial");
    type(serial, QStringLiteral("1234"));
    enter(serial);
    ASSERT_FALSE(f.prompts.messages.empty());
    for (const Prompts::Message& m : f.prompts.messages) {
        const auto box = MakeMessageBox(m, nullptr);
        box->show();
        QApplication::processEvents();
        QFont titleFont = QApplication::font();
        titleFont.setBold(true);
        titleFont.setPointSizeF(titleFont.pointSizeF() * 1.25);
        EXPECT_GE(box->width(), QFontMetrics(titleFont).horizontalAdvance(m.title)) << m.title.toStdString();
        const QStringList cut = CutTexts(box.get());
        EXPECT_TRUE(cut.isEmpty()) << cut.join('\n').toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, Fit, ::testing::Values("en", "es", "pt_BR", "fr", "de", "zh_CN"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace vantrel::test
