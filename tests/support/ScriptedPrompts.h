#pragma once
// Prompts for tests: records every interaction and answers from a script.
#include <QPrinter>
#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "gui/common/Prompts.h"

namespace vantrel::test {

class ScriptedPrompts : public Prompts {
public:
    std::vector<Message> messages;
    std::vector<FileDialog> fileDialogs;
    int beeps = 0;
    int printerDialogs = 0;

    // Answers used in order; when the script runs out, a message gets its
    // default button and a file dialog is cancelled.
    std::deque<Answer> answers;
    std::deque<QString> fileNames;
    // Answers to Import Channels' numbering question, used in order; when
    // they run out, the list's own numbers are kept. `numberingAsked` holds
    // the channel count of each question.
    std::deque<std::optional<ImportNumbering>> numberings;
    std::vector<int> numberingAsked;
    // Called with the printer when the printer dialog opens; return false to cancel.
    std::function<bool(QPrinter&)> onPrinterDialog = [](QPrinter&) { return false; };
    // Runs while a message is up, as what the user does meanwhile (keys typed
    // into the box, for one).
    std::function<void(const Message&)> whileShown = [](const Message&) {};

    Answer message(const Message& m) override {
        messages.push_back(m);
        whileShown(m);
        if (answers.empty()) return m.defaultButton;
        Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    QString openFileName(const FileDialog& d) override { return nextFile(d); }
    QString saveFileName(const FileDialog& d) override { return nextFile(d); }
    bool printerDialog(QPrinter& printer) override {
        ++printerDialogs;
        return onPrinterDialog(printer);
    }
    std::optional<ImportNumbering> importNumbering(int channelCount) override {
        numberingAsked.push_back(channelCount);
        if (numberings.empty()) return ImportNumbering{};
        const std::optional<ImportNumbering> a = numberings.front();
        numberings.pop_front();
        return a;
    }
    void beep() override { ++beeps; }

    QStringList texts() const {
        QStringList out;
        for (const auto& m : messages) out << m.text;
        return out;
    }
    void clear() {
        messages.clear();
        fileDialogs.clear();
        beeps = 0;
    }

private:
    QString nextFile(const FileDialog& d) {
        fileDialogs.push_back(d);
        if (fileNames.empty()) return {};
        QString f = fileNames.front();
        fileNames.pop_front();
        return f;
    }
};

}  // namespace vantrel::test
