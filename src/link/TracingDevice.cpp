#include "link/TracingDevice.h"

#include <cstdio>
#include <cstring>
#include <ctime>

namespace vantrel::link {

TracingDevice::TracingDevice(ByteDevice& inner, std::ostream& out)
    : inner_(inner), out_(out), start_(inner.now()) {
    char date[32] = "";
    const std::time_t t = std::time(nullptr);
    if (const std::tm* local = std::localtime(&t))
        std::strftime(date, sizeof date, "%Y-%m-%d %H:%M:%S", local);
    out_ << "# Vantrel CPS serial trace, started " << date << "\n"
         << "# ms since start; -> program to radio, <- radio to program, bytes in hex;"
            " [the link's step]\n";
    out_.flush();
}

std::unique_ptr<TracingDevice> TracingDevice::ToFile(ByteDevice& inner, const std::string& path,
                                                     std::string& error) {
    auto file = std::make_unique<std::ofstream>(path, std::ios::out | std::ios::trunc);
    if (!*file) {
        error = path + ": " + std::strerror(errno);
        return nullptr;
    }
    auto device = std::make_unique<TracingDevice>(inner, *file);
    device->file_ = std::move(file);
    return device;
}

void TracingDevice::line(const char* direction, const std::string& text) {
    const double ms = std::chrono::duration<double, std::milli>(inner_.now() - start_).count();
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%10.1f  %-2s  ", ms, direction);
    out_ << stamp << text << "\n";
    // Flushed line by line: a trace is most wanted when the program dies.
    out_.flush();
}

void TracingDevice::bytes(const char* direction, const Bytes& data, const char* remark) {
    std::string text;
    char hex[4];
    for (std::uint8_t b : data) {
        std::snprintf(hex, sizeof hex, text.empty() ? "%02X" : " %02X", b);
        text += hex;
    }
    if (*remark) text += std::string("  ") + remark;
    if (!step_.empty()) text += "  [" + step_ + "]";
    line(direction, text);
}

bool TracingDevice::open(std::string& error) {
    const bool ok = inner_.open(error);
    line("", ok ? "open" : "open failed: " + error);
    return ok;
}

void TracingDevice::close() {
    if (inner_.isOpen()) line("", "close");
    inner_.close();
}

void TracingDevice::clearInput() {
    const Bytes stale = inner_.readAll();
    if (!stale.empty()) bytes("<-", stale, "(discarded)");
    inner_.clearInput();
}

bool TracingDevice::queue(const Bytes& data) {
    const bool ok = inner_.queue(data);
    bytes("->", data, ok ? "" : "(not accepted)");
    return ok;
}

Bytes TracingDevice::readAll() {
    Bytes data = inner_.readAll();
    if (!data.empty()) bytes("<-", data);
    return data;
}

void TracingDevice::step(const std::string& what) {
    step_ = what;
    line("--", what);
}

void TracingDevice::note(const std::string& what) { line("--", what); }

}  // namespace vantrel::link
