// The editor in each language: a sample of its texts, the texts of the
// Qt-free layers looked up where the editor shows them, and English as the
// code writes it when no translation is installed.
#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <gtest/gtest.h>

#include "gui/codeplug/EditorFixture.h"
#include "gui/codeplug/Input.h"
#include "gui/common/CoreTexts.h"
#include "gui/common/Translations.h"
#include "gui/shell/LanguageMenu.h"

namespace vantrel::test {
namespace {

struct Sample {
    const char* code;
    const char* menu;      // Help > Language
    const char* fileMenu;  // the main window's "&File"
    const char* label;     // "Model Number"
    const char* message;   // "Invalid Password"
    const char* status;    // "Model Number (Read Only)"
    const char* coreText;  // "Cannot open 'a.cpg': gone" through its pattern
};

const Sample kSamples[] = {
    {"en", "&Language", "&File", "Model Number", "Invalid Password", "Model Number (Read Only)", "Cannot open 'a.cpg': gone"},
    {"es", "&Idioma", "&Archivo", "Número de modelo", "Contraseña no válida",
     "Número de modelo (solo lectura)", "No se puede abrir 'a.cpg': gone"},
    {"pt_BR", "&Idioma", "&Arquivo", "Número do modelo", "Senha inválida",
     "Número do modelo (somente leitura)", "Não é possível abrir 'a.cpg': gone"},
    {"fr", "&Langue", "&Fichier", "N° de modèle", "Mot de passe non valide",
     "N° de modèle (lecture seule)", "Impossible d'ouvrir 'a.cpg' : gone"},
    {"de", "&Sprache", "&Datei", "Modellnummer", "Ungültiges Passwort",
     "Modellnummer (schreibgeschützt)", "Fehler beim Öffnen von 'a.cpg': gone"},
    {"zh_CN", "语言(&L)", "文件(&F)", "型号", "密码无效", "型号（只读）", "无法打开 'a.cpg'：gone"},
};

class Language : public ::testing::TestWithParam<Sample> {
protected:
    void TearDown() override { InstallLanguage(QStringLiteral("en")); }
};

TEST_P(Language, EditorShowsItsTexts) {
    const Sample& s = GetParam();
    ASSERT_EQ(InstallLanguage(s.code), QString::fromLatin1(s.code));
    EditorFixture f;
    new LanguageMenu(*f.main, f.settings);
    f.startUp();
    f.load(sampleImage());

    auto* languages = f.find<QMenu>("mnuLanguage");
    ASSERT_NE(languages, nullptr);
    EXPECT_EQ(languages->title(), QString::fromUtf8(s.menu));
    EXPECT_EQ(f.find<QMenu>("mnuFile")->title(), QString::fromUtf8(s.fileMenu));
    EXPECT_EQ(f.find<QLabel>("lblModel_Num")->text(), QString::fromUtf8(s.label));

    // A character a password cannot hold: the box, as the real prompts show it.
    auto* password = f.find<QLineEdit>("txtPassword");
    key(password, Qt::Key_NumberSign, QStringLiteral("#"));
    ASSERT_EQ(f.prompts.messages.size(), 1u);
    const auto box = MakeMessageBox(f.prompts.messages.front(), nullptr);
    EXPECT_EQ(box->text(), QString::fromUtf8(s.message));

    hover(f.find<QWidget>("lblModel_Num"));
    EXPECT_EQ(f.editor().statusText(), QString::fromUtf8(s.status));

    EXPECT_EQ(TrCoreText(std::string("Cannot open 'a.cpg': gone")), QString::fromUtf8(s.coreText));
}

INSTANTIATE_TEST_SUITE_P(Samples, Language, ::testing::ValuesIn(kSamples),
                         [](const auto& info) { return std::string(info.param.code); });

// The choice: the setting first, else the desktop's locale; English when the
// setting names no language the program speaks.
TEST(LanguageChoice, TheSettingFixesTheLanguage) {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("vantrel-i18n-test"));
    settings.setValue(kLanguageKey, QStringLiteral("de"));
    EXPECT_EQ(InstallTranslations(settings), QStringLiteral("de"));
    EXPECT_EQ(CurrentLanguage(), QStringLiteral("de"));
    settings.setValue(kLanguageKey, QStringLiteral("en"));
    EXPECT_EQ(InstallTranslations(settings), QStringLiteral("en"));
    EXPECT_EQ(QCoreApplication::translate("vantrel::RadioInfoFrame", "Model Number"), QStringLiteral("Model Number"));
    settings.clear();
}

// The Language menu keeps the choice for the next start and says so.
TEST(LanguageChoice, MenuStoresTheChoice) {
    EditorFixture f;
    new LanguageMenu(*f.main, f.settings);
    auto* menu = f.find<QMenu>("mnuLanguage");
    ASSERT_NE(menu, nullptr);
    QStringList captions;
    for (QAction* a : menu->actions())
        if (!a->isSeparator()) captions << a->text();
    EXPECT_EQ(captions, QStringList({"System", "English", "Español", "Português (Brasil)", "Français", "Deutsch",
                                     "简体中文"}));
    EXPECT_TRUE(f.find<QAction>("mnuLanguage_System")->isChecked());
    f.find<QAction>("mnuLanguage_fr")->trigger();
    EXPECT_EQ(f.settings.value(kLanguageKey).toString(), QStringLiteral("fr"));
    ASSERT_EQ(f.prompts.messages.size(), 1u);
    EXPECT_EQ(f.prompts.messages.front().text, QStringLiteral("The language changes when Vantrel CPS starts again."));
    f.find<QAction>("mnuLanguage_System")->trigger();
    EXPECT_EQ(f.settings.value(kLanguageKey).toString(), QString());
}

// Qt's own dialogs speak the language too (Qt's catalogue beside the program's).
TEST(LanguageChoice, QtsOwnButtonsAreTranslated) {
    ASSERT_EQ(InstallLanguage(QStringLiteral("es")), QStringLiteral("es"));
    const auto box = MakeMessageBox({QStringLiteral("x")}, nullptr);
    const QString ok = box->button(QMessageBox::Ok)->text().remove(QLatin1Char('&'));
    InstallLanguage(QStringLiteral("en"));
    EXPECT_EQ(ok, QStringLiteral("Aceptar"));
}

// With English the Qt-free layers' texts pass unchanged, line breaks and
// blanks included; in another language only what the catalogue knows
// changes.
TEST(CoreTexts, EnglishPassesAndUnknownLinesStay) {
    const QString text = QStringLiteral("                Error!\r\n\r\nInvalid password.\r\nsomething else  ");
    EXPECT_EQ(TrCoreText(text), text);
    ASSERT_EQ(InstallLanguage(QStringLiteral("de")), QStringLiteral("de"));
    const QString german = TrCoreText(text);
    InstallLanguage(QStringLiteral("en"));
    EXPECT_TRUE(german.startsWith(QStringLiteral("                "))) << german.toStdString();
    EXPECT_TRUE(german.endsWith(QStringLiteral("\r\nsomething else  "))) << german.toStdString();
    EXPECT_NE(german, text);
    EXPECT_EQ(german.count(QStringLiteral("\r\n")), 3);
}

// A pattern's variable parts are looked up in turn: a fleet port's result is
// the exchange's status text followed by the verification's.
TEST(CoreTexts, PatternPartsAreTranslatedInTurn) {
    ASSERT_EQ(InstallLanguage(QStringLiteral("de")), QStringLiteral("de"));
    const QString result =
        TrCoreText(std::string("Successfully Writing End. Verified: the radio holds every byte written."));
    const QString path = TrCoreText(std::string("Cannot open '/tmp/%2 Invalid password.': gone"));
    InstallLanguage(QStringLiteral("en"));
    EXPECT_EQ(result, QStringLiteral("Schreiben erfolgreich beendet. Geprüft: das Funkgerät enthält alle "
                                     "geschriebenen Bytes."));
    // A name is not taken for a placeholder or a text.
    EXPECT_EQ(path, QStringLiteral("Fehler beim Öffnen von '/tmp/%2 Invalid password.': gone"));
}

}  // namespace
}  // namespace vantrel::test
