#include "shell/widgets/Prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace vantrel {

namespace {

QMessageBox::Icon toQt(Prompts::Icon icon) {
    switch (icon) {
    case Prompts::Icon::Information: return QMessageBox::Information;
    case Prompts::Icon::Exclamation: return QMessageBox::Warning;
    case Prompts::Icon::Critical: return QMessageBox::Critical;
    case Prompts::Icon::Question: return QMessageBox::Question;
    case Prompts::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton toQt(Prompts::Answer a) {
    switch (a) {
    case Prompts::Answer::Ok: return QMessageBox::Ok;
    case Prompts::Answer::Cancel: return QMessageBox::Cancel;
    case Prompts::Answer::Yes: return QMessageBox::Yes;
    case Prompts::Answer::No: return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButtons toQt(Prompts::Buttons b) {
    switch (b) {
    case Prompts::Buttons::Ok: return QMessageBox::Ok;
    case Prompts::Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case Prompts::Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case Prompts::Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

Prompts::Answer fromQt(int button) {
    switch (button) {
    case QMessageBox::Yes: return Prompts::Answer::Yes;
    case QMessageBox::No: return Prompts::Answer::No;
    case QMessageBox::Cancel: return Prompts::Answer::Cancel;
    default: return Prompts::Answer::Ok;
    }
}

}  // namespace

Prompts::Answer QtPrompts::message(const Message& m) {
    QMessageBox box(toQt(m.icon), m.title, m.text, toQt(m.buttons), parent_);
    box.setDefaultButton(toQt(m.defaultButton));
    // Closing the box with Esc or the title bar counts as Cancel where there
    // is one, otherwise as the only button.
    const int result = box.exec();
    return fromQt(result);
}

QString QtPrompts::openFileName(const FileDialog& d) {
    return QFileDialog::getOpenFileName(parent_, d.title,
                                        d.fileName.isEmpty() ? d.directory : d.fileName, d.filter);
}

QString QtPrompts::saveFileName(const FileDialog& d) {
    // The dialog itself asks before an existing file is replaced.
    return QFileDialog::getSaveFileName(parent_, d.title,
                                        d.fileName.isEmpty() ? d.directory : d.fileName, d.filter);
}

bool QtPrompts::printerDialog(QPrinter& printer) {
    QPrintDialog dialog(&printer, parent_);
    return dialog.exec() == QDialog::Accepted;
}

void QtPrompts::beep() { QApplication::beep(); }

}  // namespace vantrel
