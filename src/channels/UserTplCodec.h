#pragma once
// The user-defined TPL tones TPL1..TPL3: the six frequency boxes of the
// editor's first tab are their editing copy; the encoders turn a box into its
// frequency word (tenths of a hertz) and the counts the radio's tone decoder
// and encoder work from.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "channels/ChannelRecord.h"
#include "codeplug/CodeplugImage.h"

namespace vantrel {

// Texts of txtTPL_RxFrequency(0..2) and txtTPL_TxFrequency(0..2).
struct UserTplBoxes {
    std::array<std::string, 3> rx{"120.0", "200.0", "255.0"};
    std::array<std::string, 3> tx{"120.0", "200.0", "255.0"};

    std::string& box(Side side, int i) { return side == Side::Rx ? rx[i] : tx[i]; }
    const std::string& box(Side side, int i) const { return side == Side::Rx ? rx[i] : tx[i]; }
};

inline constexpr int kUserTplMinHz = 67;
inline constexpr int kUserTplMaxHz = 255;

// Each encoder reads its box (the leading number, an empty box being 0) and,
// for 67 to 255 Hz, writes the frequency word, the side's entries of the tone
// parameter block and, for receive, the receive count; then it rewrites the
// side's range bits of all three tones from their boxes. Out of range: false
// and nothing written (the editor then empties the box).
bool EncodeRxUserTpl(CodeplugImage& image, const UserTplBoxes& boxes, int i);
bool EncodeTxUserTpl(CodeplugImage& image, const UserTplBoxes& boxes, int i);

struct UserTplBox {
    Side side;
    int index;
};

// What the write and the save run before the image leaves the program: for
// i = 0, 1, 2 the transmit encoder, then the receive one. Returns the boxes
// whose encoder failed, in that order.
std::vector<UserTplBox> EncodeUserTpls(CodeplugImage& image, const UserTplBoxes& boxes);

// Population: a non-zero frequency word is shown in its box as "#.0"; for a
// zero word the box keeps its text and the side's fixed parameter values are
// written into the tone's block.
void ShowUserTpl(CodeplugImage& image, UserTplBoxes& boxes);

// Rules of the boxes while the user types.
// Text changed: refused (box emptied, "Invalid Frequency") when not empty and
// not a number, above 255, or exactly "0000".
bool UserTplTextRefused(std::string_view text);
// "#.0" of a numeric text, empty for anything else.
std::optional<std::string> ReformatUserTplText(std::string_view text);
// Enter neither reformats nor encodes "0", "00" or "000".
bool UserTplEnterIgnored(std::string_view text);

}  // namespace vantrel
