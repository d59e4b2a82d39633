#include "gui/common/Prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <QPrintDialog>
#include <QPrinter>

#include "gui/shell/ImportNumberingDialog.h"

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

// Room a window manager's title bar takes besides the title: the window
// menu, minimise, maximise and close buttons and the margins.
constexpr int kTitleBarButtonsRoom = 140;

}  // namespace

std::unique_ptr<QMessageBox> MakeMessageBox(const Prompts::Message& m, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(toQt(m.icon), m.title, QString(), toQt(m.buttons), parent);
    // Shown exactly as given: blanks kept, "<" never taken for markup.
    box->setTextFormat(Qt::PlainText);
    QString text = m.text;
    box->setText(text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    box->setDefaultButton(toQt(m.defaultButton));
    // A message box is never maximised.
    box->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // Wide enough for the whole title in a window manager's title bar, whose
    // font is often bolder and larger than the dialog's.
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.25);
    const int titleWidth = QFontMetrics(titleFont).horizontalAdvance(m.title) + kTitleBarButtonsRoom;
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout()))
        grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0,
                      1, grid->columnCount());
    return box;
}

Prompts::Answer QtPrompts::message(const Message& m) {
    const std::unique_ptr<QMessageBox> box = MakeMessageBox(m, parent_);
    // Closing the box with Esc or the title bar counts as Cancel where there
    // is one, otherwise as the only button.
    const int result = box->exec();
    return fromQt(result);
}

QString QtPrompts::openFileName(const FileDialog& d) {
    return QFileDialog::getOpenFileName(parent_, d.title,
                                        d.fileName.isEmpty() ? d.directory : d.fileName, d.filter);
}

std::unique_ptr<QFileDialog> MakeSaveDialog(const Prompts::FileDialog& d, QWidget* parent) {
    auto dialog = std::make_unique<QFileDialog>(parent, d.title, d.fileName.isEmpty() ? d.directory : d.fileName,
                                                d.filter);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(d.defaultSuffix);
    return dialog;
}

QString QtPrompts::saveFileName(const FileDialog& d) {
    const std::unique_ptr<QFileDialog> dialog = MakeSaveDialog(d, parent_);
    return dialog->exec() == QDialog::Accepted ? dialog->selectedFiles().value(0) : QString();
}

bool QtPrompts::printerDialog(QPrinter& printer) {
    QPrintDialog dialog(&printer, parent_);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<Prompts::ImportNumbering> QtPrompts::importNumbering(int channelCount) {
    ImportNumberingDialog dialog(channelCount, parent_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.choice();
}

void QtPrompts::beep() { QApplication::beep(); }

}  // namespace vantrel
