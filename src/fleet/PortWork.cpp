// The work of one port of a fleet job: open the port, read the radio (its
// identity and backup), write it and read it back, each step reported to the
// job and, as it ends, to the observer.
#include <QString>

#include <chrono>

#include "fleet/FleetTexts.h"
#include "fleet/PortSlot.h"
#include "fleet/RadioIdentity.h"
#include "link/ModelWriteSteps.h"
#include "link/PasswordCheck.h"
#include "link/ProtocolBytes.h"
#include "link/ReadProtocol.h"
#include "link/VerifyWrite.h"
#include "link/WriteProtocol.h"
#include "link/serial/OpenCommPort.h"
#include "model/OpenForWrite.h"

namespace vantrel::fleet {

namespace {

using link::TransferOutcome;
using SteadyClock = std::chrono::steady_clock;

// Mismatches named in a failed verify's text; the rest are counted.
constexpr std::size_t kMismatchesNamed = 3;

// A text of several lines (a message box's) as one line.
std::string OneLine(const std::string& text) {
    std::string out;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string part = text.substr(start, end - start);
        const auto first = part.find_first_not_of(" \r");
        if (first != std::string::npos)
            out += (out.empty() ? "" : " ") + part.substr(first, part.find_last_not_of(" \r") - first + 1);
        start = end + 1;
    }
    return out;
}

class PortWork : public link::LinkObserver {
public:
    PortWork(FleetJob::Port& port, const FleetWrite* write, FleetObserver* observer)
        : port_(port), write_(write), observer_(observer) {}

    void run() {
        update([](PortStatus& s) { s.state = PortState::Running; });
        link::SerialDevice device;
        QString problem;
        if (!link::OpenCommPort(device, QString::fromStdString(port_.port.device),
                                [&](const QString& text) { problem = text; })) {
            finish(PortState::Failed, OneLine(problem.toStdString()));
            return;
        }
        link::Link link(device);
        Attached attached(port_, device, link);

        CodeplugImage backup;
        if (!read(link, backup)) return;
        if (!write_) {
            finish(PortState::Succeeded, link::text::kReadDone);
            return;
        }
        CodeplugImage::Bytes held{};
        if (!writeRadio(link, backup, held)) return;
        if (write_->verify && !verify(link, held)) return;
        finish(PortState::Succeeded, written_);
    }

    void status(const std::string& text) override {
        update([&](PortStatus& s) { s.result = text; });
    }
    void progress(int value) override {
        update([&](PortStatus& s) { s.progress = value; });
    }
    link::PasswordOutcome writePassword(const std::string& radioPassword) override {
        int attempts = 0;
        const bool accepted = write_->password &&
                              link::CheckPasswordEntry(*write_->password, radioPassword, attempts) ==
                                  link::PasswordEntry::Accepted;
        if (!accepted) status(write_->password ? text::kPasswordWrong : text::kPasswordNotGiven);
        return accepted ? link::PasswordOutcome::Accepted : link::PasswordOutcome::Abandoned;
    }

private:
    // The link is open to stop() for as long as this lives.
    class Attached {
    public:
        Attached(FleetJob::Port& port, link::SerialDevice& device, link::Link& link) : port_(port) {
            const std::lock_guard<std::mutex> lock(port_.mutex);
            port_.device = &device;
            port_.link = &link;
        }
        ~Attached() {
            const std::lock_guard<std::mutex> lock(port_.mutex);
            port_.device = nullptr;
            port_.link = nullptr;
        }
        Attached(const Attached&) = delete;
        Attached& operator=(const Attached&) = delete;

    private:
        FleetJob::Port& port_;
    };

    bool read(link::Link& link, CodeplugImage& backup) {
        if (!begin(Operation::Read)) return false;
        const TransferOutcome outcome = link::ReadCodeplug(link, *this, backup);
        if (outcome == TransferOutcome::Success) {
            serial_ = SerialNumberText(backup);
            update([&](PortStatus& s) {
                s.serialNumber = serial_;
                s.model = ModelText(backup);
                s.read = backup.bytes();
            });
        }
        return ended(link, Operation::Read, outcome, backup.bytes());
    }

    bool writeRadio(link::Link& link, const CodeplugImage& backup, CodeplugImage::Bytes& held) {
        if (!begin(Operation::Write)) return false;
        // A model of the port's own: the write's editor steps change its image.
        AppState state = write_->prepared.state;
        EditingModel model(state);
        model.copies() = write_->prepared.copies;
        CodeplugImage::Bytes sent{};
        const TransferOutcome outcome =
            link::WriteCodeplug(link, *this, state, ModelWriteSteps(model), &sent);
        held = link::HeldAfterWrite(sent, backup.bytes());
        written_ = current().result;
        return ended(link, Operation::Write, outcome, held);
    }

    bool verify(link::Link& link, const CodeplugImage::Bytes& held) {
        if (!begin(Operation::Verify)) return false;
        CodeplugImage back;
        const TransferOutcome outcome = link::ReadCodeplug(link, *this, back);
        if (outcome == TransferOutcome::Success) {
            const auto mismatches = link::CompareWritten(held, back);
            if (mismatches.empty()) {
                status(text::kVerified);
                written_ += std::string(" ") + text::kVerified;
            } else {
                std::string text = "Verify: " + link::VerifySummary({outcome, mismatches});
                for (std::size_t n = 0; n < mismatches.size() && n < kMismatchesNamed; ++n)
                    text += (n ? "; " : ": ") + link::MismatchText(mismatches[n]);
                if (mismatches.size() > kMismatchesNamed) text += "; ...";
                status(text + ".");
                record(Operation::Verify, true, back.bytes());
                finish(PortState::Failed, current().result);
                return false;
            }
        }
        return ended(link, Operation::Verify, outcome, back.bytes());
    }

    // Starts an operation unless the job was stopped.
    bool begin(Operation operation) {
        if (port_.stop) {
            finish(PortState::Stopped, stoppedText(operation, 0));
            return false;
        }
        update([&](PortStatus& s) {
            s.operation = operation;
            s.progress = 0;
        });
        return true;
    }

    // Reports an operation that ended; false when the port's work ends here.
    bool ended(const link::Link& link, Operation operation, TransferOutcome outcome,
               const CodeplugImage::Bytes& bytes) {
        const bool ok = outcome == TransferOutcome::Success;
        if (!ok && (port_.stop || outcome == TransferOutcome::Aborted)) {
            const std::string text = stoppedText(operation, current().progress);
            status(text);
            record(operation, false, bytes);
            finish(PortState::Stopped, text);
            return false;
        }
        if (!ok && link.lineLost()) status(current().result + (current().result.empty() ? "" : " ") + text::kCableDisconnected);
        record(operation, ok, bytes);
        if (!ok) finish(PortState::Failed, current().result);
        return ok;
    }

    static std::string stoppedText(Operation operation, int progress) {
        const std::string what = "Stopped during the " + std::string(OperationName(operation));
        if (progress == 0) return what + ", before its data blocks.";
        const int block = (progress + link::kBlockSize - 1) / link::kBlockSize;
        return what + " at block " + std::to_string(block) + " of " + std::to_string(link::kBlockCount) + ".";
    }

    void record(Operation operation, bool completed, const CodeplugImage::Bytes& bytes) {
        if (!observer_) return;
        TransferRecord r;
        r.port = port_.port.name;
        r.device = port_.port.device;
        r.operation = operation;
        r.outcome = current().result;
        r.completed = completed;
        if (completed) r.bytes = bytes;
        r.serialNumber = serial_;
        observer_->transferDone(r);
    }

    void finish(PortState state, const std::string& result) {
        update([&](PortStatus& s) {
            s.state = state;
            s.result = result;
        });
    }

    PortStatus current() const {
        const std::lock_guard<std::mutex> lock(port_.mutex);
        return port_.status;
    }

    template <class Change>
    void update(Change change) {
        PortStatus now;
        {
            const std::lock_guard<std::mutex> lock(port_.mutex);
            change(port_.status);
            port_.status.seconds = std::chrono::duration<double>(SteadyClock::now() - start_).count();
            now = port_.status;
        }
        if (observer_) observer_->portChanged(port_.index, now);
    }

    FleetJob::Port& port_;
    const FleetWrite* write_;
    FleetObserver* observer_;
    SteadyClock::time_point start_ = SteadyClock::now();
    std::string serial_;
    std::string written_;  // the write's status text
};

}  // namespace

void RunPort(FleetJob::Port& port, const FleetWrite* write, FleetObserver* observer) {
    PortWork(port, write, observer).run();
}

}  // namespace vantrel::fleet
