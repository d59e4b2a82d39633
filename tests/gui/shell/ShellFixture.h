#pragma once
// The main window with its editor and the shell's commands, on scripted
// prompts and settings in a temporary folder.
#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMdiSubWindow>

#include "base/DataFolder.h"
#include "gui/codeplug/EditorFixture.h"
#include "gui/shell/MainShell.h"

namespace vantrel::test {

struct ShellFixture : EditorFixture {
    MainShell* shell = new MainShell(*main);  // owned by the main window

    ShellFixture() {
        main->show();
        main->Load();
        editor().setEnabled(true);
    }

    QString path(const QString& name) const { return dir.filePath(name); }
    QString write(const QString& name, const QByteArray& contents) const {
        QFile f(path(name));
        f.open(QIODevice::WriteOnly);
        f.write(contents);
        return path(name);
    }
    static QByteArray read(const QString& file) {
        QFile f(file);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
    void menu(const char* name) { main->menuAction(name)->trigger(); }
    void open(const QString& file) {
        prompts.fileNames.push_back(file);
        menu("mnuFileOpen");
    }
    // Opens a shipped data file, as the user would before saving.
    void openDefaultFile() {
        open(QString::fromStdString(DataFilePath("U1_APAC.cpg")));
        prompts.clear();
    }
    QWidget* editorFrame() { return editor().parentWidget(); }
    QString settingsValue(const char* key) {
        settings.sync();
        return settings.value(QStringLiteral("Settings/") + key).toString();
    }
};

}  // namespace vantrel::test
