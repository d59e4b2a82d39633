#pragma once
// What the read and write exchanges tell the user interface, and the one
// question they ask it (the radio's write password).
#include <string>

namespace vantrel::link {

enum class Indicator { Green, Red };

enum class PasswordOutcome {
    Accepted,    // the right password was typed
    Abandoned,   // Cancel, or the third wrong entry
    AppClosing,  // the application is closing: end at once
};

class LinkObserver {
public:
    virtual ~LinkObserver() = default;
    virtual void status(const std::string& /*text*/) {}
    // Bytes transferred so far, 0..384.
    virtual void progress(int /*value*/) {}
    // Paints the read (green) or write (red) indicator bright or pale.
    virtual void indicator(Indicator /*which*/, bool /*bright*/) {}
    // Asked during a write when the radio holds a password; the answer may
    // take as long as the user needs (the caller keeps its event loop going).
    virtual PasswordOutcome writePassword(const std::string& /*radioPassword*/) {
        return PasswordOutcome::Abandoned;
    }
};

}  // namespace vantrel::link
