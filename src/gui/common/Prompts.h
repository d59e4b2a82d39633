#pragma once
// Every modal interaction of the program goes through this interface: message
// boxes, questions, file dialogs, the printer dialog and the system beep. The
// Qt implementation shows real dialogs; tests script the answers.
#include <QString>
#include <memory>
#include <optional>

class QFileDialog;
class QMessageBox;
class QPrinter;
class QWidget;

namespace vantrel {

class Prompts {
public:
    enum class Icon { None, Information, Exclamation, Critical, Question };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    struct Message {
        QString text;
        QString title = QStringLiteral("Vantrel CPS");
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
        Answer defaultButton = Answer::Ok;
    };

    struct FileDialog {
        QString title;
        QString directory;
        QString fileName;     // proposed name
        QString filter;       // e.g. "Vantrel CPS Files (*.cpg)"
        // Added by the Save dialog to a name typed without an extension
        // (e.g. "csv"); empty: the name is taken as typed.
        QString defaultSuffix = {};
    };

    // How Import Channels numbers a list's rows: by the list's own channel
    // numbers, or one after another from a first channel.
    struct ImportNumbering {
        bool fill = false;   // false: the list's numbers
        int firstChannel = 1;
    };

    virtual ~Prompts() = default;

    virtual Answer message(const Message& m) = 0;
    // Both return the chosen path, or an empty string when cancelled.
    virtual QString openFileName(const FileDialog& d) = 0;
    virtual QString saveFileName(const FileDialog& d) = 0;
    // The platform printer dialog; false when cancelled. The printer carries
    // the chosen device, output file and copy count afterwards.
    virtual bool printerDialog(QPrinter& printer) = 0;
    // Asked before a channel list is imported into a radio of `channelCount`
    // channels; empty when cancelled. Prompts that show nothing take the
    // default, the list's own numbers.
    virtual std::optional<ImportNumbering> importNumbering(int /*channelCount*/) { return ImportNumbering{}; }
    virtual void beep() = 0;

    // Shorthand for the common OK box with the program's title.
    void tell(const QString& text, const QString& title = QStringLiteral("Vantrel CPS"),
              Icon icon = Icon::None) {
        message(Message{text, title, icon, Buttons::Ok, Answer::Ok});
    }
};

// The box QtPrompts shows for a message: the whole title readable, no
// maximise button, the text exactly as given.
std::unique_ptr<QMessageBox> MakeMessageBox(const Prompts::Message& m, QWidget* parent);
// The Save dialog QtPrompts shows; it asks before an existing file is replaced.
std::unique_ptr<QFileDialog> MakeSaveDialog(const Prompts::FileDialog& d, QWidget* parent);

// Shows real dialogs parented to the given window.
class QtPrompts : public Prompts {
public:
    explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    Answer message(const Message& m) override;
    QString openFileName(const FileDialog& d) override;
    QString saveFileName(const FileDialog& d) override;
    bool printerDialog(QPrinter& printer) override;
    std::optional<ImportNumbering> importNumbering(int channelCount) override;
    void beep() override;

private:
    QWidget* parent_;
};

}  // namespace vantrel
