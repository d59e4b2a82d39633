#pragma once
// The fleet's own result texts, beside the status texts of the exchanges.
namespace vantrel::fleet::text {

// A radio asked for its password and the job was given none.
constexpr const char* kPasswordNotGiven = "Codeplug is protected.";
// The password given is not the radio's.
constexpr const char* kPasswordWrong = "Invalid password. Codeplug is password protected.";
// Added to a failure when the device went away under the transfer.
constexpr const char* kCableDisconnected = "The cable was disconnected.";
// Added to the write's text after a read-back found every byte.
constexpr const char* kVerified = "Verified: the radio holds every byte written.";

}  // namespace vantrel::fleet::text
