#pragma once
// Prompts for benchmarks: every question gets its default button, every
// dialog is cancelled.
#include "gui/common/Prompts.h"

class SilentPrompts : public vantrel::Prompts {
public:
    Answer message(const Message& m) override { return m.defaultButton; }
    QString openFileName(const FileDialog&) override { return {}; }
    QString saveFileName(const FileDialog&) override { return {}; }
    bool printerDialog(QPrinter&) override { return false; }
    void beep() override {}
};
