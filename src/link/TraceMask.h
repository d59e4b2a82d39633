#pragma once
// Keeps the radio password out of a trace of the line. The trace sees the
// link's steps and the bytes in each direction, and follows the exchange
// from them: the answer to a write's version request carries the radio's
// password, and the data blocks that hold image bytes 370..377 carry the
// codeplug's. Those bytes are shown as "**". Where the line leaves doubt
// (an echo, a stray byte in front of an answer, input thrown away) more is
// hidden rather than less: a read's block with password bytes is hidden
// from its first password byte on, and everything discarded near them.
#include <cstddef>
#include <string>
#include <vector>

#include "link/ByteDevice.h"

namespace vantrel::link {

class TraceMask {
public:
    // The first line of a trace that hides bytes: what "**" stands for.
    static const char* const kNotice;

    // The link starts a step; returns the step's text as the trace shows
    // it (a checksum that would tell about the password is hidden).
    std::string step(const std::string& what);
    void note(const std::string& what);

    // For each byte, whether the trace hides it. Call in line order.
    std::vector<bool> sent(const Bytes& bytes);
    std::vector<bool> received(const Bytes& bytes);
    std::vector<bool> discarded(const Bytes& bytes);

private:
    enum class Exchange { None, Read, Write };

    bool passwordBlock(int block) const;
    bool passwordByte(int block, std::size_t dataIndex) const;

    Exchange exchange_ = Exchange::None;
    bool echo_ = false;            // the cable echoes the program's bytes
    int block_ = -1;               // data block being exchanged, -1 before the data
    bool writeData_ = false;       // a write has sent its first block
    bool versionAnswer_ = false;   // the write's version answer may arrive now
    bool checksum_ = false;        // the step sends a write block's checksum
    std::string previous_[2];      // the two steps before this one, the last first
    std::string step_;
    std::size_t sentInStep_ = 0;
    std::size_t receivedInStep_ = 0;  // since this step's send began
};

}  // namespace vantrel::link
