#pragma once
// Fixed texts of the read/write dialog.
#include <QString>
#include <QStringList>

namespace vantrel::program {

inline const QString kCaption = QStringLiteral("Program");
inline const QString kClickRead = QStringLiteral("Click Read Button");
inline const QString kClickWrite = QStringLiteral("Click Write Button");
// Shown from the press of Read or Write until the radio answers.
inline const QString kWaitingForRadio = QStringLiteral("Waiting for radio...");
inline const QString kCloseWindowFirst =
    QStringLiteral("Please close your window before programming the radio.");

// Hints in the editor's status bar while the mouse is over a button.
inline const QString kHintClose = QStringLiteral("Close Program");
inline const QString kHintRead = QStringLiteral("Read Codeplug Data From Radio To PC");
inline const QString kHintWrite = QStringLiteral("Write Radio Codeplug Data PC To Radio");

// The instructions: the first and the eighth line name the command.
inline QString Instructions(bool write) {
    const QStringList lines = {
        write ? QStringLiteral("  To write codeplug data to radio:")
              : QStringLiteral("  To read codeplug data from radio:"),
        QString(),
        QStringLiteral("  1. Turn off radio."),
        QStringLiteral("  2. Connect programming cable to radio."),
        QStringLiteral("  3. Press and hold Programmable Button 1 while turning on radio."),
        QStringLiteral("  4. Radio will beep once. Release Programmable Button 1."),
        QStringLiteral("     ") + QStringLiteral(" ORANGE LED will be shown on radio."),
        write ? QStringLiteral("  5. Click Write button on CPS.") : QStringLiteral("  5. Click Read button on CPS."),
        QStringLiteral("  6. CPS will show reading progress bar. Once completed, it will close by itself."),
    };
    return lines.join(QStringLiteral("\r\n"));
}

}  // namespace vantrel::program
