#pragma once
// A serial trace for bug reports: a ByteDevice that passes everything to
// another one and writes, as plain text, every byte in each direction with the
// milliseconds since the trace began and the link's step at that moment (the
// primitive running, its failures, the start and end of each exchange).
// Input thrown away as stale is traced too, marked "discarded".
#include <fstream>
#include <memory>
#include <ostream>
#include <string>

#include "link/ByteDevice.h"

namespace vantrel::link {

class TracingDevice : public ByteDevice {
public:
    // Traces into `out`, which must outlive the device.
    TracingDevice(ByteDevice& inner, std::ostream& out);
    // Traces into a new file at `path`; nullptr with a reason when it cannot
    // be created.
    static std::unique_ptr<TracingDevice> ToFile(ByteDevice& inner, const std::string& path,
                                                 std::string& error);

    bool open(std::string& error) override;
    void close() override;
    bool isOpen() const override { return inner_.isOpen(); }
    void clearInput() override;
    bool queue(const Bytes& bytes) override;
    bool drained() override { return inner_.drained(); }
    std::size_t available() override { return inner_.available(); }
    Bytes readAll() override;
    Clock::time_point now() const override { return inner_.now(); }
    Wake wait(Clock::time_point deadline) override { return inner_.wait(deadline); }
    void interrupt() override { inner_.interrupt(); }
    void step(const std::string& what) override;
    void note(const std::string& what) override;

private:
    void line(const char* direction, const std::string& text);
    void bytes(const char* direction, const Bytes& data, const char* remark = "");

    ByteDevice& inner_;
    std::unique_ptr<std::ofstream> file_;
    std::ostream& out_;
    const Clock::time_point start_;
    std::string step_;
};

}  // namespace vantrel::link
