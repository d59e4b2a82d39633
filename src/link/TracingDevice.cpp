#include "link/TracingDevice.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <streambuf>

#include "base/OutputFile.h"

namespace vantrel::link {

namespace {

// The trace's file descriptor as a stream. Unbuffered: each line reaches
// the file as it is written, which a trace of a dying program needs.
class DescriptorBuffer : public std::streambuf {
public:
    explicit DescriptorBuffer(int fd) : fd_(fd) {}
    ~DescriptorBuffer() override { ::close(fd_); }

protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        const char ch = traits_type::to_char_type(c);
        return xsputn(&ch, 1) == 1 ? c : traits_type::eof();
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        std::streamsize done = 0;
        while (done < n) {
            const ssize_t w = ::write(fd_, s + done, static_cast<std::size_t>(n - done));
            if (w < 0 && errno == EINTR) continue;
            if (w <= 0) break;
            done += w;
        }
        return done;
    }

private:
    int fd_;
};

}  // namespace

TracingDevice::TracingDevice(ByteDevice& inner, std::ostream& out)
    : inner_(inner), out_(out), start_(inner.now()) {
    char date[32] = "";
    const std::time_t t = std::time(nullptr);
    if (const std::tm* local = std::localtime(&t))
        std::strftime(date, sizeof date, "%Y-%m-%d %H:%M:%S", local);
    out_ << "# Vantrel CPS serial trace, started " << date << "\n"
         << "# ms since start; -> program to radio, <- radio to program, bytes in hex;"
            " [the link's step]\n"
         << TraceMask::kNotice << "\n";
    out_.flush();
}

std::unique_ptr<TracingDevice> TracingDevice::ToFile(ByteDevice& inner, const std::string& path,
                                                     std::string& error, const std::vector<std::string>& keepOff) {
    for (const std::string& kept : keepOff) {
        if (SameFile(path, kept)) {
            error = path + ": it is the data file itself; give the trace a name of its own";
            return nullptr;
        }
    }
    const int fd = OpenPrivateStream(path, error);
    if (fd < 0) {
        error = path + ": " + error;
        return nullptr;
    }
    auto buffer = std::make_unique<DescriptorBuffer>(fd);
    auto file = std::make_unique<std::ostream>(buffer.get());
    auto device = std::make_unique<TracingDevice>(inner, *file);
    device->fileBuffer_ = std::move(buffer);
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

void TracingDevice::bytes(const char* direction, const Bytes& data, const std::vector<bool>& hidden,
                          const char* remark) {
    std::string text;
    char hex[4];
    for (std::size_t i = 0; i < data.size(); ++i) {
        if (!text.empty()) text += ' ';
        if (hidden[i]) {
            text += "**";
            continue;
        }
        std::snprintf(hex, sizeof hex, "%02X", data[i]);
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
    if (!stale.empty()) bytes("<-", stale, mask_.discarded(stale), "(discarded)");
    inner_.clearInput();
}

bool TracingDevice::queue(const Bytes& data) {
    const bool ok = inner_.queue(data);
    bytes("->", data, mask_.sent(data), ok ? "" : "(not accepted)");
    return ok;
}

Bytes TracingDevice::readAll() {
    Bytes data = inner_.readAll();
    if (!data.empty()) bytes("<-", data, mask_.received(data));
    return data;
}

void TracingDevice::step(const std::string& what) {
    step_ = mask_.step(what);
    line("--", step_);
}

void TracingDevice::note(const std::string& what) {
    mask_.note(what);
    line("--", what);
}

}  // namespace vantrel::link
