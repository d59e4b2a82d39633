#pragma once
// A serial trace for bug reports: a ByteDevice that passes everything to
// another one and writes, as plain text, every byte in each direction with the
// milliseconds since the trace began and the link's step at that moment (the
// primitive running, its failures, the start and end of each exchange).
// Input thrown away as stale is traced too, marked "discarded". The radio
// password is hidden (TraceMask), and a trace file is the owner's alone.
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "link/ByteDevice.h"
#include "link/TraceMask.h"

namespace vantrel::link {

class TracingDevice : public ByteDevice {
public:
    // Traces into `out`, which must outlive the device.
    TracingDevice(ByteDevice& inner, std::ostream& out);
    // Traces into the file at `path`, made owner-only and emptied, or into
    // the pipe or device there. nullptr with a reason when it cannot be
    // opened at once, or when it is one of the files in keepOff (the data
    // file a command reads or writes, which a trace must never overwrite).
    static std::unique_ptr<TracingDevice> ToFile(ByteDevice& inner, const std::string& path,
                                                 std::string& error,
                                                 const std::vector<std::string>& keepOff = {});

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
    void bytes(const char* direction, const Bytes& data, const std::vector<bool>& hidden,
               const char* remark = "");

    ByteDevice& inner_;
    std::unique_ptr<std::streambuf> fileBuffer_;
    std::unique_ptr<std::ostream> file_;
    std::ostream& out_;
    TraceMask mask_;
    const Clock::time_point start_;
    std::string step_;
};

}  // namespace vantrel::link
