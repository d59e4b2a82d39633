#include "channels/UserTplCodec.h"

#include "base/NumberText.h"

namespace vantrel {
namespace {

namespace bm = bytemap;

// Counts of the radio's 57 600 Hz tone time base (7 372 800 Hz / 128).
constexpr long long kTimeBaseHz = 57600;
constexpr long long kRxCountBaseHz = 76800;

// A box frequency as an exact rational: hz = units / kOne.
constexpr long long kOne = 1000000000;  // 10^Decimal::kScale
static_assert(Decimal::kScale == 9);

struct Tone {
    long long units;  // frequency in 10^-9 Hz
    long long n;      // one tone period in counts, R(57 600 / f)
    bool below200;    // below 200 Hz the guard is n / 12, from there n / 8
};

Tone toneOf(const Decimal& f) {
    const long long units = f.scaledUnits();
    return {units, RoundHalfEven(kTimeBaseHz * kOne, units), f.compare(200) < 0};
}

using Formula = long long (*)(const Tone&);

struct ParamEntry {
    std::size_t offset;
    bool word;  // 16 bits, else one byte
    Side side;
    Formula value;
    long long fixed;  // written by ShowUserTpl while the frequency word is 0
};

// All arithmetic exact; 1.5n + n/12 + 2n = 43n/12 and so on.
const ParamEntry kParams[] = {
    {0, true, Side::Rx, [](const Tone& t) { return RoundHalfEven(kTimeBaseHz * 1000 * kOne, 1015 * t.units); }, 847},
    {2, true, Side::Rx, [](const Tone& t) { return RoundHalfEven(kTimeBaseHz * 1000 * kOne, 985 * t.units); }, 873},
    {4, false, Side::Rx, [](const Tone& t) { return RoundHalfEven(7 * t.units + 50 * kOne, 100 * kOne); }, 5},
    {5, true, Side::Tx, [](const Tone& t) { return t.n; }, 860},
    {7, true, Side::Rx, [](const Tone& t) { return RoundHalfEven(43 * t.n, 12); }, 1362},
    {9, true, Side::Rx,
     [](const Tone& t) { return t.below200 ? RoundHalfEven(41 * t.n, 12) : RoundHalfEven(27 * t.n, 8); }, 1218},
    {11, true, Side::Tx, [](const Tone& t) { return t.n; }, 860},
    {13, true, Side::Rx, [](const Tone& t) { return RoundHalfEven(41 * t.n, 12); }, 1505},
    {15, true, Side::Rx,
     [](const Tone& t) { return t.below200 ? RoundHalfEven(39 * t.n, 12) : RoundHalfEven(77 * t.n, 24); }, 1362},
    {17, true, Side::Tx, [](const Tone& t) { return RoundHalfEven(kRxCountBaseHz * kOne, t.units); }, 1147},
};

void writeEntry(CodeplugImage& image, int i, const ParamEntry& e, long long value) {
    const std::size_t at = bm::userTplParamBlock(i) + e.offset;
    if (e.word) image.setWord(at, static_cast<std::uint16_t>(value));
    else image.setByte(at, static_cast<std::uint8_t>(value));
}

std::size_t wordOffset(Side side, int i) { return side == Side::Rx ? bm::userTplRxWord(i) : bm::userTplTxWord(i); }

// Receive: bit 2k of bytes 238 and 239 while tone k's receive box is below
// 151.4 Hz. Transmit: bit 2k + 1 of byte 239 while its box is 77 Hz or below.
void updateRangeBits(CodeplugImage& image, const UserTplBoxes& boxes, Side side) {
    for (int k = 0; k < 3; ++k) {
        const Decimal f = LeadingNumber(boxes.box(side, k));
        if (side == Side::Rx) {
            const bool low = f.compare(1514, 1) < 0;
            image.setBit(bm::RxToneRangeFlags, 2 * k, low);
            image.setBit(bm::ToneRangeFlags, 2 * k, low);
        } else {
            image.setBit(bm::ToneRangeFlags, 2 * k + 1, f.compare(77) <= 0);
        }
    }
}

bool encode(CodeplugImage& image, const UserTplBoxes& boxes, Side side, int i) {
    const Decimal f = LeadingNumber(boxes.box(side, i));
    if (f.compare(kUserTplMinHz) < 0 || f.compare(kUserTplMaxHz) > 0) return false;
    image.setWord(wordOffset(side, i), static_cast<std::uint16_t>(*f.rounded(1)));
    const Tone tone = toneOf(f);
    for (const ParamEntry& e : kParams)
        if (e.side == side) writeEntry(image, i, e, e.value(tone));
    if (side == Side::Rx)
        image.setWord(bm::userTplRxCount(i), static_cast<std::uint16_t>(RoundHalfEven(kRxCountBaseHz * kOne, tone.units)));
    updateRangeBits(image, boxes, side);
    return true;
}

}  // namespace

bool EncodeRxUserTpl(CodeplugImage& image, const UserTplBoxes& boxes, int i) {
    return encode(image, boxes, Side::Rx, i);
}

bool EncodeTxUserTpl(CodeplugImage& image, const UserTplBoxes& boxes, int i) {
    return encode(image, boxes, Side::Tx, i);
}

std::vector<UserTplBox> EncodeUserTpls(CodeplugImage& image, const UserTplBoxes& boxes) {
    std::vector<UserTplBox> failed;
    for (int i = 0; i < 3; ++i) {
        for (const Side side : {Side::Tx, Side::Rx})
            if (!encode(image, boxes, side, i)) failed.push_back({side, i});
    }
    return failed;
}

void ShowUserTpl(CodeplugImage& image, UserTplBoxes& boxes) {
    for (const Side side : {Side::Rx, Side::Tx}) {
        for (int i = 0; i < 3; ++i) {
            const std::uint16_t word = image.word(wordOffset(side, i));
            if (word != 0) {
                boxes.box(side, i) = FormatTenths(word);
                continue;
            }
            for (const ParamEntry& e : kParams)
                if (e.side == side) writeEntry(image, i, e, e.fixed);
        }
    }
}

bool UserTplTextRefused(std::string_view text) {
    if (text.empty()) return false;
    const auto f = ParseNumber(text);
    return !f || f->compare(kUserTplMaxHz) > 0 || text == "0000";
}

std::optional<std::string> ReformatUserTplText(std::string_view text) {
    const auto f = ParseNumber(text);
    if (!f || f->isHuge()) return std::nullopt;
    return FormatTenths(*f->rounded(1));
}

bool UserTplEnterIgnored(std::string_view text) { return text == "0" || text == "00" || text == "000"; }

}  // namespace vantrel
