#pragma once
// The Read and Write commands of the main window and the transfers behind the
// read/write dialog's buttons: checks before a write, the dialog, the read and
// write exchanges over the link and the verify after a write. The editor's
// follow-up after a read is ReadTail's, the write's password wait
// WritePasswordWait's; the unlock prompt answers every protected load. It is
// also the link's observer: status texts, progress and the indicator go to
// the dialog.
#include <QObject>
#include <functional>
#include <memory>

#include "archive/FinishedTransfer.h"
#include "codeplug/CodeplugImage.h"
#include "link/Link.h"
#include "link/LinkObserver.h"
#include "link/TransferOutcome.h"

namespace vantrel {

class MDIFormMain;
class frmPasswordW;
class frmProgram;
class frmProtection;

class ProgramCommands : public QObject, public link::LinkObserver {
    Q_OBJECT
public:
    // `openPort` (re)opens the device on the selected port and reports a
    // failure to the user; it returns whether the port is open.
    ProgramCommands(MDIFormMain& main, link::ByteDevice& device, std::function<bool()> openPort);
    ~ProgramCommands() override;

    link::Link& link() { return link_; }
    frmProgram& dialog() { return *dialog_; }
    frmProtection& unlockPrompt() { return *unlock_; }
    frmPasswordW& writePrompt() { return *writePrompt_; }

    void ReadCommand();
    void WriteCommand();
    void cmdRead_Click();
    void cmdWrite_Click();
    // Reopens the port on the selected Comm Port item.
    bool OpenCommPort() { return openPort_(); }
    // How the last transfer ended.
    link::TransferOutcome lastOutcome() const { return lastOutcome_; }
    // Every read, write and verify that ran, as it ended (the port is the
    // caller's to name); set by RadioLink, which archives them.
    std::function<void(archive::FinishedTransfer)> transferFinished;

    // LinkObserver
    void status(const std::string& text) override;
    void progress(int value) override;
    void indicator(link::Indicator which, bool bright) override;
    link::PasswordOutcome writePassword(const std::string& radioPassword) override;

private:
    bool toneWindowOpen() const;
    // Whether the port is open, opening it now when it was not; `reopen` is
    // set when it was open already (the command reopens it at its end).
    bool portAvailable(bool& reopen);
    void openDialog(bool write);
    // Reads the radio back after a write and tells the user whether every
    // byte sent arrived (nothing when the dialog is closed meanwhile).
    void verifyWrite(const CodeplugImage::Bytes& sent, const CodeplugImage::Bytes& written);
    void finished(archive::Operation operation, bool completed, const CodeplugImage::Bytes& bytes,
                  const CodeplugImage::Bytes* written = nullptr);

    MDIFormMain& main_;
    link::Link link_;
    std::function<bool()> openPort_;
    std::unique_ptr<frmProgram> dialog_;
    std::unique_ptr<frmProtection> unlock_;
    std::unique_ptr<frmPasswordW> writePrompt_;
    link::TransferOutcome lastOutcome_ = link::TransferOutcome::Aborted;
    bool verifying_ = false;  // a write is being read back
};

}  // namespace vantrel
