#include "gui/link/WritePasswordWait.h"

#include <QEventLoop>
#include <QString>
#include <memory>

#include "codeplug/AppState.h"
#include "gui/link/frmPasswordW.h"

namespace vantrel {

void ForgetStaleWakes(link::ByteDevice& device) {
    using Wake = link::ByteDevice::Wake;
    for (Wake w = device.wait(device.now()); w == Wake::Tick || w == Wake::Interrupted;
         w = device.wait(device.now())) {
    }
}

link::PasswordOutcome WaitForWritePassword(frmPasswordW& prompt, AppState& state, link::ByteDevice& device,
                                           const std::string& radioPassword) {
    // The answer outlives this wait only as a shared record, so a prompt
    // closed after the application gave up waiting reports into nothing.
    struct Wait {
        QEventLoop loop;
        bool decided = false;
        bool accepted = false;
    };
    auto wait = std::make_shared<Wait>();
    QString password;
    for (char c : radioPassword) password += QChar(static_cast<unsigned char>(c));
    prompt.Ask(password, [wait](bool accepted) {
        wait->decided = true;
        wait->accepted = accepted;
        wait->loop.exit(0);
    });
    // A non-zero return means the application is quitting.
    while (!wait->decided && !state.appClosing)
        if (wait->loop.exec() != 0) break;
    if (state.appClosing || !wait->decided) return link::PasswordOutcome::AppClosing;
    ForgetStaleWakes(device);
    state.passwordAccepted = wait->accepted;
    return wait->accepted ? link::PasswordOutcome::Accepted : link::PasswordOutcome::Abandoned;
}

}  // namespace vantrel
