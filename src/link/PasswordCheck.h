#pragma once
// The password prompts' comparison: plain text, exact (case-sensitive, no
// trimming), three attempts.
#include <string>

namespace vantrel::link {

namespace text {
constexpr const char* kPasswordCaption = "Password";
constexpr const char* kCodeplugProtected = "Codeplug is protected.";
constexpr const char* kEnterPassword = "Please enter password.";
constexpr const char* kInvalidPassword = "Invalid password.";
constexpr const char* kEnterCorrectPassword = "Please enter correct password.";
// Shown (title "Password") after the third wrong entry.
constexpr const char* kPasswordRefused =
    "                Error!\r\n\r\nInvalid password.\r\nCodeplug is password protected.";
}  // namespace text

enum class PasswordEntry {
    Accepted,
    TryAgain,  // wrong, the prompt stays open with the "Invalid password." texts
    Refused,   // wrong for the third time: the prompt closes with kPasswordRefused
};

// Judges one entry; passwordAttempts counts the wrong entries so far and is
// reset when the prompt gives up.
PasswordEntry CheckPasswordEntry(const std::string& typed, const std::string& expected,
                                 int& passwordAttempts);

}  // namespace vantrel::link
