#include "gui/common/Translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include "base/DataFolder.h"

namespace vantrel {

namespace {

const char* const kProgramCatalogue = "vantrel-cps";
const char* const kQtCatalogue = "qtbase";

// The translators in force; replaced as a whole when the language changes.
struct Installed {
    QTranslator program;
    QTranslator qt;
    QString code = QStringLiteral("en");
};

Installed*& installed() {
    static Installed* current = nullptr;
    return current;
}

void removeInstalled() {
    if (Installed* old = installed()) {
        QCoreApplication::removeTranslator(&old->program);
        QCoreApplication::removeTranslator(&old->qt);
        delete old;
        installed() = nullptr;
    }
}

// Loads the program's catalogue for a locale, Qt's own beside it.
QString install(const QLocale& locale) {
    removeInstalled();
    auto next = new Installed;
    if (!next->program.load(locale, kProgramCatalogue, QStringLiteral("_"), TranslationsFolder())) {
        delete next;
        return QStringLiteral("en");
    }
    // The catalogue names its language ("pt_BR"); the shipped code it is.
    next->code = next->program.language();
    for (const ProgramLanguage& l : ProgramLanguages())
        if (next->code.startsWith(QLatin1String(l.code) + '_')) next->code = QString::fromLatin1(l.code);
    // Qt's dialogs (file, print, the message boxes' buttons) in the same
    // language; without Qt's catalogue they stay English.
    if (next->qt.load(locale, kQtCatalogue, QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&next->qt);
    QCoreApplication::installTranslator(&next->program);
    installed() = next;
    return next->code;
}

bool isShipped(const QString& code) {
    for (const ProgramLanguage& l : ProgramLanguages())
        if (code == QLatin1String(l.code)) return true;
    return false;
}

}  // namespace

const std::vector<ProgramLanguage>& ProgramLanguages() {
    static const std::vector<ProgramLanguage> languages = {
        {"en", "English"},
        {"es", "Español"},
        {"pt_BR", "Português (Brasil)"},
        {"fr", "Français"},
        {"de", "Deutsch"},
        {"zh_CN", "简体中文"},
    };
    return languages;
}

QString TranslationsFolder() { return QString::fromStdString(DataFilePath("translations")); }

QString InstallLanguage(const QString& code) {
    if (code == QLatin1String("en") || !isShipped(code)) {
        removeInstalled();
        return QStringLiteral("en");
    }
    return install(QLocale(code));
}

QString InstallTranslations(const QSettings& settings) {
    const QString fixed = settings.value(kLanguageKey).toString();
    if (isShipped(fixed)) return InstallLanguage(fixed);
    return install(QLocale::system());
}

QString CurrentLanguage() { return installed() ? installed()->code : QStringLiteral("en"); }

QString LocalizedDataFile(const QString& folder, const QString& name) {
    const QString code = CurrentLanguage();
    if (code != QLatin1String("en")) {
        const QString translated =
            QString::fromStdString(DataFilePath((folder + '/' + code + '/' + name).toStdString()));
        if (QFileInfo(translated).isFile()) return translated;
    }
    return QString::fromStdString(DataFilePath((folder + '/' + name).toStdString()));
}

}  // namespace vantrel
