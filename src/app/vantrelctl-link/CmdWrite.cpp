// vantrelctl write: writes a data file into the radio, sending the bytes the
// editor sends after opening the file and choosing Write with no other edit:
// a file the editor would refuse is refused before the port is opened, and
// what the editor would correct is corrected and named on a warning line.
#include <cstdio>
#include <string>
#include <unistd.h>

#include "Commands.h"
#include "HiddenLine.h"
#include "LinkPort.h"
#include "TransferArchive.h"
#include "cli/PathReportPrint.h"
#include "codeplug/CodeplugFile.h"
#include "link/Link.h"
#include "link/ModelWriteSteps.h"
#include "link/PasswordCheck.h"
#include "link/VerifyWrite.h"
#include "link/WriteProtocol.h"
#include "model/ByteChanges.h"

namespace vantrelctl {

namespace {

using namespace vantrel::link;

std::string Lines(std::string text) {
    for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.replace(at, 2, "\n");
    return text;
}

// Answers the radio's password question from --password or the terminal.
class WriteObserver : public TerminalObserver {
public:
    WriteObserver(const char* verb, const std::string* password, int& attempts)
        : TerminalObserver(verb), password_(password), attempts_(attempts) {}

    PasswordOutcome writePassword(const std::string& radioPassword) override {
        endLine();
        std::fprintf(stderr, "%s\n", text::kCodeplugProtected);
        const bool interactive = !password_ && ::isatty(0);
        for (;;) {
            std::string typed;
            if (password_) typed = *password_;
            else if (interactive) typed = AskHidden(attempts_ ? "Please enter correct password: " : "Please enter password: ");
            else attempts_ = 2;  // nobody to ask: the entry counts as the last one
            const PasswordEntry entry = CheckPasswordEntry(typed, radioPassword, attempts_);
            if (entry == PasswordEntry::Accepted) return PasswordOutcome::Accepted;
            if (entry == PasswordEntry::TryAgain && interactive) {
                std::fprintf(stderr, "%s\n", text::kInvalidPassword);
                continue;
            }
            attempts_ = 0;
            // Nobody typed a wrong password: say how to give the right one.
            if (!password_ && !interactive) {
                refusal_ = "the radio asks for its password: give it with --password TEXT (there is no terminal to ask on)";
            } else {
                std::fprintf(stderr, "%s\n", Lines(text::kPasswordRefused).c_str());
                refusal_ = password_ ? "the password given with --password is not the radio's"
                                     : "the radio's password was not given (three wrong entries)";
            }
            return PasswordOutcome::Abandoned;
        }
    }

    // Why the write stopped at the password question, for the failure line.
    const std::string& refusal() const { return refusal_; }

private:
    const std::string* password_;
    int& attempts_;
    std::string refusal_;
};

// Reads the radio back and lists every byte that differs from what was sent.
int Verify(Link& link, const vantrel::CodeplugImage::Bytes& sent, TransferArchive& archive, const std::string& port,
           const vantrel::CodeplugImage::Bytes& written) {
    TerminalObserver observer("Verifying");
    const VerifyResult result = VerifyWrite(link, observer, sent);
    const bool readBack = result.readOutcome == TransferOutcome::Success;
    archive.record(vantrel::archive::Operation::Verify, port, readBack,
                   readBack ? VerifySummary(result) : observer.lastStatus(), &result.readBack, &written);
    if (!readBack) {
        Fail("verify: " + observer.lastStatus());
        ReportLostLine(link);
        return kExitFailure;
    }
    for (const ByteMismatch& m : result.mismatches) std::fprintf(stderr, "verify: %s\n", MismatchText(m).c_str());
    if (!result.ok()) return Fail("verify: " + VerifySummary(result));
    std::fprintf(stderr, "verify: %s\n", VerifySummary(result).c_str());
    return 0;
}

}  // namespace

int CmdWrite(int argc, char** argv) {
    Args args;
    if (const auto done = ParseCommand(kWriteCommand, argc, argv, args)) return *done;
    const std::string file = args.operands().front();
    const std::string password = args.value("--password");
    vantrel::AppState state;
    vantrel::EditingModel model(state);
    const std::optional<vantrel::CodeplugImage> asFiled = OpenForWriteCommand("write", model, file);
    if (!asFiled) return kExitFailure;
    for (const std::string& change : vantrel::ByteChanges(*asFiled, state.image))
        std::fprintf(stderr, "vantrelctl write: warning: corrected %s\n", change.c_str());

    LinkApplication app(argv[0]);
    TransferArchive archive;
    SerialDevice device;
    std::unique_ptr<TracingDevice> trace;
    if (!StartTrace(trace, device, args.value("--trace"), args.value("--port"), file)) return kExitFailure;
    if (!OpenPort(device, args.value("--port"))) return kExitFailure;
    Link link(trace ? *trace : static_cast<ByteDevice&>(device));
    const WriteSteps steps = vantrel::ModelWriteSteps(model);
    vantrel::CodeplugImage::Bytes sent{};
    // What the write starts from, before it blanks the serial number.
    const vantrel::CodeplugImage::Bytes written = state.image.bytes();
    TransferOutcome outcome;
    std::string status;
    {
        WriteObserver observer("Writing", args.has("--password") ? &password : nullptr, state.passwordAttempts);
        outcome = WriteCodeplug(link, observer, state, steps, &sent);
        status = observer.lastStatus();
        if (status.empty()) status = observer.refusal();
    }
    // Every block went out, but the radio's answers leave it open whether
    // it holds them: reading it back settles that.
    const std::string port = args.value("--port");
    archive.record(vantrel::archive::Operation::Write, port, outcome == TransferOutcome::Success,
                   status.empty() ? OutcomeName(outcome) : status, &sent, &written);
    if (outcome == TransferOutcome::InDoubt && args.has("--verify")) {
        std::fprintf(stderr, "vantrelctl write: warning: %s\n", status.c_str());
        return Verify(link, sent, archive, port, written);
    }
    if (outcome != TransferOutcome::Success) {
        Fail(status.empty() ? std::string("the write ended: ") + OutcomeName(outcome) : status);
        if (outcome == TransferOutcome::InDoubt)
            Fail("the radio may not hold the whole codeplug: write again with --verify, or read it back and compare");
        ReportLostLine(link);
        return kExitFailure;
    }
    std::fprintf(stderr, "%s\n", status.c_str());
    return args.has("--verify") ? Verify(link, sent, archive, port, written) : 0;
}

}  // namespace vantrelctl
