#pragma once
// The languages the desktop program speaks and the translators behind them.
// English is the source: with no translator installed every text is exactly
// the one written in the code. vantrelctl never comes here.
#include <QString>
#include <vector>

class QSettings;

namespace vantrel {

struct ProgramLanguage {
    const char* code;        // the .qm suffix: "es", "pt_BR"; "en" for the source
    const char* nativeName;  // how the language calls itself, for the menu
};

// English first, then the translations shipped.
const std::vector<ProgramLanguage>& ProgramLanguages();

// The setting that fixes the language; empty or absent follows the desktop.
inline const QString kLanguageKey = QStringLiteral("Settings/Language");

// Where the .qm files are: beside the other data files (the build tree's
// data folder when run from there, share/vantrel-cps once installed).
QString TranslationsFolder();

// Installs the program's and Qt's translators for the language the setting
// names, else for the desktop's locale (QLocale::system()). Returns the code
// of the language now spoken ("en" when nothing was installed). Call once,
// before the first window is built.
QString InstallTranslations(const QSettings& settings);
// Installs one language by code; "en" (or an unknown code) removes them.
QString InstallLanguage(const QString& code);

// The language installed last ("en" before any).
QString CurrentLanguage();

// A shipped file in the current language when a translated one exists
// ("Help/es/index.html"), else the English one ("Help/index.html").
QString LocalizedDataFile(const QString& folder, const QString& name);

}  // namespace vantrel
