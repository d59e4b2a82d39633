#include "link/PasswordCheck.h"

namespace vantrel::link {

PasswordEntry CheckPasswordEntry(const std::string& typed, const std::string& expected,
                                 int& passwordAttempts) {
    if (typed == expected) return PasswordEntry::Accepted;
    if (passwordAttempts < 2) {
        ++passwordAttempts;
        return PasswordEntry::TryAgain;
    }
    passwordAttempts = 0;
    return PasswordEntry::Refused;
}

}  // namespace vantrel::link
