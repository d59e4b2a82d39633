#include "gui/common/CoreTexts.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <optional>
#include <vector>

#include "gui/common/Translations.h"

namespace vantrel {

namespace {

constexpr const char* kContext = "CoreText";

// Whole texts, or whole lines of longer ones, blanks around them aside.
const char* const kTexts[] = {
    // The editing model's and the channel codecs' messages.
    QT_TRANSLATE_NOOP("CoreText", "Vantrel CPS"),
    QT_TRANSLATE_NOOP("CoreText", "Time Option value is Invalid"),
    QT_TRANSLATE_NOOP("CoreText", "Invalid Password"),
    QT_TRANSLATE_NOOP("CoreText", "Invalid Serial Number"),
    QT_TRANSLATE_NOOP("CoreText", "Region Code is not valid..."),
    QT_TRANSLATE_NOOP("CoreText", "Input TPL Frequency"),
    QT_TRANSLATE_NOOP("CoreText", "Error! invalid data type"),
    QT_TRANSLATE_NOOP("CoreText", "Open File"),
    QT_TRANSLATE_NOOP("CoreText", "Error!"),
    QT_TRANSLATE_NOOP("CoreText", "Prio. Scan Ch. No. not in active scan list"),
    QT_TRANSLATE_NOOP("CoreText", "Invalid Frequency"),
    QT_TRANSLATE_NOOP("CoreText", "Out of Frequency Range"),
    QT_TRANSLATE_NOOP("CoreText", "Frequency is not valid"),
    QT_TRANSLATE_NOOP("CoreText", "Not Allowed To Delete Priority Channel Frequency"),
    QT_TRANSLATE_NOOP("CoreText", "Empty Channel"),
    QT_TRANSLATE_NOOP("CoreText", "Not Allowed To Remove Priority Channel"),
    QT_TRANSLATE_NOOP("CoreText", "The editor is locked."),
    QT_TRANSLATE_NOOP("CoreText", "not a value this cell can take"),
    // The timing fields' captions, and the same without their units (undo steps).
    QT_TRANSLATE_NOOP("CoreText", "Scan Speed (msec)"),
    QT_TRANSLATE_NOOP("CoreText", "Scan Hang Time (msec)"),
    QT_TRANSLATE_NOOP("CoreText", "Scan Interval Time (msec)"),
    QT_TRANSLATE_NOOP("CoreText", "Tx Time Out Time (sec)"),
    QT_TRANSLATE_NOOP("CoreText", "TOT Warning Time (sec)"),
    QT_TRANSLATE_NOOP("CoreText", "Scan Speed"),
    QT_TRANSLATE_NOOP("CoreText", "Scan Hang Time"),
    QT_TRANSLATE_NOOP("CoreText", "Scan Interval Time"),
    QT_TRANSLATE_NOOP("CoreText", "Tx Time Out Time"),
    QT_TRANSLATE_NOOP("CoreText", "TOT Warning Time"),
    // Importing a channel list.
    QT_TRANSLATE_NOOP("CoreText", "channel names are not kept: the radio has no channel names"),
    // The programmable buttons' functions.
    QT_TRANSLATE_NOOP("CoreText", "Hi/Low Power"),
    QT_TRANSLATE_NOOP("CoreText", "Volume Set"),
    QT_TRANSLATE_NOOP("CoreText", "Monitor"),
    QT_TRANSLATE_NOOP("CoreText", "Sticky Monitor"),
    QT_TRANSLATE_NOOP("CoreText", "Repeater/Talkaround"),
    QT_TRANSLATE_NOOP("CoreText", "PL/DPL"),
    QT_TRANSLATE_NOOP("CoreText", "Unassigned"),
    QT_TRANSLATE_NOOP("CoreText", "Battery Save Mode"),
    QT_TRANSLATE_NOOP("CoreText", "Squelch"),
    QT_TRANSLATE_NOOP("CoreText", "Scan"),
    QT_TRANSLATE_NOOP("CoreText", "Nuisance Channel Delete"),
    QT_TRANSLATE_NOOP("CoreText", "Button Lock"),
    QT_TRANSLATE_NOOP("CoreText", "Repeater / Talkaround"),
    // The password prompts.
    QT_TRANSLATE_NOOP("CoreText", "Password"),
    QT_TRANSLATE_NOOP("CoreText", "Codeplug is protected."),
    QT_TRANSLATE_NOOP("CoreText", "Please enter password."),
    QT_TRANSLATE_NOOP("CoreText", "Invalid password."),
    QT_TRANSLATE_NOOP("CoreText", "Please enter correct password."),
    QT_TRANSLATE_NOOP("CoreText", "Codeplug is password protected."),
    // The read and write exchanges' status texts.
    QT_TRANSLATE_NOOP("CoreText", "Communication Error. Please check Programming mode."),
    QT_TRANSLATE_NOOP("CoreText", "Communication Error. Unsupported radio codeplug region."),
    QT_TRANSLATE_NOOP("CoreText", "Communication Error. Please check codeplug version."),
    QT_TRANSLATE_NOOP("CoreText", "Communication Error."),
    QT_TRANSLATE_NOOP("CoreText", "Please wait a moment......"),
    QT_TRANSLATE_NOOP("CoreText", "Please wait a moment......."),
    QT_TRANSLATE_NOOP("CoreText", "Successfully Reading End."),
    QT_TRANSLATE_NOOP("CoreText", "Successfully Writing End."),
    QT_TRANSLATE_NOOP("CoreText",
                      "Writing End, but an answer from the radio was not clear. Please read the radio back to verify."),
    QT_TRANSLATE_NOOP("CoreText", "the radio holds every byte written"),
    // The fleet's results.
    QT_TRANSLATE_NOOP("CoreText", "Invalid password. Codeplug is password protected."),
    QT_TRANSLATE_NOOP("CoreText", "The cable was disconnected."),
    QT_TRANSLATE_NOOP("CoreText", "Verified: the radio holds every byte written."),
    QT_TRANSLATE_NOOP("CoreText", "read"),
    QT_TRANSLATE_NOOP("CoreText", "write"),
    // Opening the serial port.
    QT_TRANSLATE_NOOP("CoreText", "Comm. Port Unavailable !"),
    QT_TRANSLATE_NOOP("CoreText", "Please Change the Port selection."),
    QT_TRANSLATE_NOOP("CoreText", "Choose the port of the programming cable."),
    QT_TRANSLATE_NOOP("CoreText", "Only its owner may use it; ask the administrator for access."),
    QT_TRANSLATE_NOOP("CoreText", "then log out and in again."),
    QT_TRANSLATE_NOOP("CoreText", "Close that program and try again."),
    QT_TRANSLATE_NOOP("CoreText", "No serial device was found for this port."),
    QT_TRANSLATE_NOOP("CoreText", "Is the programming cable plugged in?"),
    QT_TRANSLATE_NOOP("CoreText", "a folder"),
    QT_TRANSLATE_NOOP("CoreText", "a file"),
    QT_TRANSLATE_NOOP("CoreText", "a pipe"),
    QT_TRANSLATE_NOOP("CoreText", "a device"),
    QT_TRANSLATE_NOOP("CoreText", "not a character device"),
    QT_TRANSLATE_NOOP("CoreText", "another program"),
};

// Texts with variable parts: %1, %2, ... stand for them.
const char* const kPatterns[] = {
    QT_TRANSLATE_NOOP("CoreText", "Cannot open %1: %2"),
    QT_TRANSLATE_NOOP("CoreText", "Cannot save %1: %2"),
    QT_TRANSLATE_NOOP("CoreText", "%1 is not a Vantrel programmer data file"),
    QT_TRANSLATE_NOOP("CoreText", "%1 holds only %2 of the %3 codeplug bytes"),
    QT_TRANSLATE_NOOP("CoreText", "%1: value %2 (%3) is outside 0 to 255"),
    QT_TRANSLATE_NOOP("CoreText", "%1: value %2 (%3) is not a number"),
    QT_TRANSLATE_NOOP("CoreText", "%1: value %2 is not text"),
    QT_TRANSLATE_NOOP("CoreText", "%1 is too long for a data file (over 1 MiB)"),
    QT_TRANSLATE_NOOP("CoreText", "Channel %1: this radio has %2 channels"),
    QT_TRANSLATE_NOOP("CoreText", "%1 byte differs"),
    QT_TRANSLATE_NOOP("CoreText", "%1 bytes differ"),
    QT_TRANSLATE_NOOP("CoreText", "byte %1 written %2, read back %3"),
    QT_TRANSLATE_NOOP("CoreText", "imported %1 row; %2 left out"),
    QT_TRANSLATE_NOOP("CoreText", "imported %1 rows; %2 left out"),
    QT_TRANSLATE_NOOP("CoreText", "imported %1 row into channel %2; %3 left out"),
    QT_TRANSLATE_NOOP("CoreText", "imported %1 rows into channels %2\u2013%3; %4 left out"),
    QT_TRANSLATE_NOOP("CoreText", "row %1: %2"),
    QT_TRANSLATE_NOOP("CoreText", "location %1: %2"),
    QT_TRANSLATE_NOOP("CoreText", "not a CHIRP channel list: %1"),
    QT_TRANSLATE_NOOP("CoreText", "%1 is %2, not a serial device."),
    QT_TRANSLATE_NOOP("CoreText", "%1: permission denied."),
    QT_TRANSLATE_NOOP("CoreText",
                      "You are in the group \"%1\", but this login is older than that: log out and in again."),
    QT_TRANSLATE_NOOP("CoreText", "The device belongs to the group \"%1\". Add yourself to it with"),
    QT_TRANSLATE_NOOP("CoreText", "%1 is busy: %2 is using it."),
    QT_TRANSLATE_NOOP("CoreText", "%1: no such device."),
    QT_TRANSLATE_NOOP("CoreText", "%1: no such device (it is gone)."),
    // A fleet port's result: the exchange's status text and what followed it.
    QT_TRANSLATE_NOOP("CoreText", "%1 Verified: the radio holds every byte written."),
    QT_TRANSLATE_NOOP("CoreText", "%1 The cable was disconnected."),
    QT_TRANSLATE_NOOP("CoreText", "Stopped during the %1, before its data blocks."),
    QT_TRANSLATE_NOOP("CoreText", "Stopped during the %1 at block %2 of %3."),
    QT_TRANSLATE_NOOP("CoreText", "the codeplug would give every radio the serial number '%1' (its serial write "
                                  "enable is set): write one radio at a time"),
};

struct Pattern {
    const char* source;
    QRegularExpression match;
    std::vector<int> argOrder;  // the %n each capture stands for
};

const std::vector<Pattern>& patterns() {
    static const std::vector<Pattern> all = [] {
        static const QRegularExpression placeholder(QStringLiteral("%(\\d)"));
        std::vector<Pattern> out;
        for (const char* source : kPatterns) {
            const QString text = QString::fromUtf8(source);
            QString expression = QStringLiteral("^");
            std::vector<int> order;
            qsizetype from = 0;
            for (auto it = placeholder.globalMatch(text); it.hasNext();) {
                const QRegularExpressionMatch m = it.next();
                expression += QRegularExpression::escape(text.mid(from, m.capturedStart() - from));
                expression += QStringLiteral("(.+?)");
                order.push_back(m.captured(1).toInt());
                from = m.capturedEnd();
            }
            expression += QRegularExpression::escape(text.mid(from)) + QStringLiteral("$");
            out.push_back({source, QRegularExpression(expression), std::move(order)});
        }
        return out;
    }();
    return all;
}

const QHash<QString, const char*>& texts() {
    static const QHash<QString, const char*> all = [] {
        QHash<QString, const char*> out;
        for (const char* t : kTexts) out.insert(QString::fromUtf8(t), t);
        return out;
    }();
    return all;
}

QString translateLine(const QString& line);

// An exact entry or a pattern for the text without the blanks around it.
std::optional<QString> translateCore(const QString& core) {
    if (const auto hit = texts().constFind(core); hit != texts().constEnd())
        return QCoreApplication::translate(kContext, hit.value());
    for (const Pattern& p : patterns()) {
        const QRegularExpressionMatch m = p.match.match(core);
        if (!m.hasMatch()) continue;
        std::vector<QString> args(p.argOrder.size() + 1);
        for (std::size_t i = 0; i < p.argOrder.size(); ++i)
            args[static_cast<std::size_t>(p.argOrder[i])] = translateLine(m.captured(static_cast<int>(i) + 1));
        // One pass, so that a "%2" inside a path or name stays as it is.
        const QString translated = QCoreApplication::translate(kContext, p.source);
        static const QRegularExpression placeholder(QStringLiteral("%(\\d)"));
        QString out;
        qsizetype from = 0;
        for (auto it = placeholder.globalMatch(translated); it.hasNext();) {
            const QRegularExpressionMatch h = it.next();
            const std::size_t n = h.captured(1).toUInt();
            out += translated.mid(from, h.capturedStart() - from) + (n < args.size() ? args[n] : h.captured());
            from = h.capturedEnd();
        }
        return out + translated.mid(from);
    }
    return std::nullopt;
}

// Blanks around a text centre or pad it in a box; they stay as they are.
QString translateLine(const QString& line) {
    qsizetype first = 0;
    while (first < line.size() && line[first] == ' ') ++first;
    qsizetype last = line.size();
    while (last > first && line[last - 1] == ' ') --last;
    if (first == last) return line;
    const std::optional<QString> core = translateCore(line.mid(first, last - first));
    return core ? line.left(first) + *core + line.mid(last) : line;
}

}  // namespace

QString TrCoreText(const QString& english) {
    if (CurrentLanguage() == QLatin1String("en")) return english;
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n"));
    QString out;
    qsizetype from = 0;
    for (auto it = lineBreak.globalMatch(english); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += translateLine(english.mid(from, m.capturedStart() - from)) + m.captured();
        from = m.capturedEnd();
    }
    return out + translateLine(english.mid(from));
}

QString TrCoreText(const std::string& english) { return TrCoreText(QString::fromStdString(english)); }

}  // namespace vantrel
