#include "FleetSummary.h"

#include <algorithm>
#include <cstdio>

#include "vantrelctl/JsonText.h"

namespace vantrelctl {

namespace {

std::string Seconds(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f s", seconds);
    return text;
}

std::string Padded(const std::string& text, std::size_t width) {
    return text + std::string(width - std::min(width, text.size()), ' ');
}

// A blank column shows as "-".
std::string OrDash(const std::string& text) { return text.empty() ? "-" : text; }

}  // namespace

std::string FleetSummaryText(const std::vector<FleetLine>& lines) {
    std::size_t port = 4, serial = 6, model = 5;
    for (const FleetLine& l : lines) {
        port = std::max(port, l.status.port.size());
        serial = std::max(serial, OrDash(l.status.serialNumber).size());
        model = std::max(model, OrDash(l.status.model).size());
    }
    std::string out = Padded("PORT", port) + "  " + Padded("SERIAL", serial) + "  " + Padded("MODEL", model) +
                      "  RESULT  (TIME)\n";
    for (const FleetLine& l : lines) {
        const vantrel::fleet::PortStatus& s = l.status;
        out += Padded(s.port, port) + "  " + Padded(OrDash(s.serialNumber), serial) + "  " +
               Padded(OrDash(s.model), model) + "  " + s.result + (l.file.empty() ? "" : " -> " + l.file) + "  (" +
               Seconds(s.seconds) + ")\n";
    }
    return out;
}

std::string FleetSummaryJson(const std::vector<FleetLine>& lines, bool ok, bool stopped) {
    std::string out = std::string("{\"ok\": ") + (ok ? "true" : "false") + ", \"stopped\": " +
                      (stopped ? "true" : "false") + ", \"ports\": [";
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const vantrel::fleet::PortStatus& s = lines[n].status;
        char seconds[32];
        std::snprintf(seconds, sizeof seconds, "%.3f", s.seconds);
        out += std::string(n ? ", " : "") + "{\"port\": " + JsonString(s.port) +
               ", \"device\": " + JsonString(s.device) + ", \"serialNumber\": " + JsonString(s.serialNumber) +
               ", \"model\": " + JsonString(s.model) + ", \"state\": " + JsonString(StateName(s.state)) +
               ", \"operation\": " + JsonString(OperationName(s.operation)) + ", \"result\": " +
               JsonString(s.result) + ", \"seconds\": " + seconds;
        if (!lines[n].file.empty()) out += ", \"file\": " + JsonString(lines[n].file);
        out += "}";
    }
    return out + "]}\n";
}

}  // namespace vantrelctl
