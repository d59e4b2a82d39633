#include "link/VerifyWrite.h"

#include "link/ReadProtocol.h"

namespace vantrel::link {

namespace {
namespace bm = bytemap;

bool IsSerialByte(std::size_t n) { return n >= bm::SerialNumber && n < bm::SerialNumber + bm::SerialNumberSize; }
}  // namespace

bool SerialSentBlank(const CodeplugImage::Bytes& sent) {
    for (std::size_t n = bm::SerialNumber; n < bm::SerialNumber + bm::SerialNumberSize; ++n)
        if (sent[n] != 0xFF) return false;
    return true;
}

std::vector<ByteMismatch> CompareWritten(const CodeplugImage::Bytes& sent, const CodeplugImage& back) {
    const bool keepsSerial = SerialSentBlank(sent);
    std::vector<ByteMismatch> out;
    for (std::size_t n = 0; n < sent.size(); ++n)
        if (back.byte(n) != sent[n] && !(keepsSerial && IsSerialByte(n))) out.push_back({n, sent[n], back.byte(n)});
    return out;
}

CodeplugImage::Bytes HeldAfterWrite(const CodeplugImage::Bytes& sent, const CodeplugImage::Bytes& before) {
    CodeplugImage::Bytes held = sent;
    if (SerialSentBlank(sent))
        for (std::size_t n = bm::SerialNumber; n < bm::SerialNumber + bm::SerialNumberSize; ++n) held[n] = before[n];
    return held;
}

VerifyResult VerifyWrite(Link& link, LinkObserver& observer, const CodeplugImage::Bytes& sent) {
    VerifyResult result;
    CodeplugImage back;
    result.readOutcome = ReadCodeplug(link, observer, back);
    if (result.readOutcome == TransferOutcome::Success) {
        result.mismatches = CompareWritten(sent, back);
        result.readBack = back.bytes();
    }
    return result;
}

std::string MismatchText(const ByteMismatch& m) {
    return "byte " + std::to_string(m.offset) + " written " + std::to_string(m.written) + ", read back " +
           std::to_string(m.readBack);
}

std::string VerifySummary(const VerifyResult& result) {
    if (result.mismatches.empty()) return "the radio holds every byte written";
    const std::size_t n = result.mismatches.size();
    return std::to_string(n) + (n == 1 ? " byte differs" : " bytes differ");
}

}  // namespace vantrel::link
