#include "report/TextUtils.h"

#include <cctype>
#include <cstdio>

namespace vantrel::report {

namespace {

const char* const kDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday",
                             "Thursday", "Friday", "Saturday"};
const char* const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                               "July",    "August",   "September", "October", "November", "December"};

std::string Abbrev(const char* name) { return std::string(name, 3); }

// "h:mm AM": 12-hour clock without a leading zero.
std::string ClockTime(const std::tm& t) {
    const int hour = t.tm_hour % 12 == 0 ? 12 : t.tm_hour % 12;
    char buf[16];
    std::snprintf(buf, sizeof buf, "%d:%02d %s", hour, t.tm_min, t.tm_hour < 12 ? "AM" : "PM");
    return buf;
}

int Year(const std::tm& t) { return t.tm_year + 1900; }

}  // namespace

std::string GetRemoveCRLF(std::string text) {
    for (;;) {
        bool again = false;
        bool foundCr = false;
        const auto cr = text.find('\r');
        if (cr != std::string::npos) {
            text[cr] = ' ';
            foundCr = again = true;
        }
        const auto lf = text.find('\n');
        if (lf == 0) {
            text.erase(0, 1);
        } else if (lf != std::string::npos) {
            if (foundCr)
                text.erase(lf, 1);
            else
                text[lf] = ' ';
            again = true;
        }
        if (!again) return text;
    }
}

std::string GetStripQuotes(std::string text) {
    if (!text.empty() && text.front() == '"') text.erase(0, 1);
    if (!text.empty() && text.back() == '"') text.pop_back();
    return text;
}

std::string GetFormalCase(std::string text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        text[i] = static_cast<char>(i == 0 ? std::toupper(c) : std::tolower(c));
    }
    for (const std::string sep : {" ", ".", "Mc", "O'", "-"}) {
        for (auto pos = text.find(sep); pos != std::string::npos; pos = text.find(sep, pos)) {
            pos += sep.size();
            if (pos >= text.size()) break;
            text[pos] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[pos])));
        }
    }
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string FormatPrintedStamp(const std::tm& t) {
    return Abbrev(kDays[t.tm_wday]) + ". " + Abbrev(kMonths[t.tm_mon]) + ". " +
           std::to_string(t.tm_mday) + ", " + std::to_string(Year(t)) + " @ " + ClockTime(t);
}

std::string FormatFooterStamp(const std::tm& t) {
    return Abbrev(kDays[t.tm_wday]) + ". " + kMonths[t.tm_mon] + " " + std::to_string(t.tm_mday) +
           ", " + std::to_string(Year(t)) + " @ " + ClockTime(t);
}

std::string FormatLongDate(const std::tm& t) {
    char day[4];
    std::snprintf(day, sizeof day, "%02d", t.tm_mday);
    return std::string(kDays[t.tm_wday]) + ", " + kMonths[t.tm_mon] + " " + day + ", " +
           std::to_string(Year(t));
}

std::tm Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local;
}

}  // namespace vantrel::report
