#pragma once
// The write's password question: the exchange waits, in an event loop, for
// the user's answer to the "password" prompt; quitting the program ends the
// wait.
#include <string>

#include "link/ByteDevice.h"
#include "link/LinkObserver.h"

namespace vantrel {

struct AppState;
class frmPasswordW;

link::PasswordOutcome WaitForWritePassword(frmPasswordW& prompt, AppState& state, link::ByteDevice& device,
                                           const std::string& radioPassword);
// A stale interrupt from an earlier abort belongs to no transfer. Taking it,
// with a deadline already passed, runs no event loop.
void ForgetStaleWakes(link::ByteDevice& device);

}  // namespace vantrel
