#include "codeplug/CodeplugFile.h"

#include "base/AtomicFile.h"
#include "base/RegularFile.h"

namespace vantrel {

namespace bm = bytemap;

namespace {

constexpr std::uint8_t kNoSerial = 0xFF;
// A data file is about 2.3 KB. A longer one than this is refused whole: cut
// at the limit, its last number could read as a shorter one.
constexpr std::size_t kReadLimit = 1 << 20;
// Editors that save UTF-8 may put a byte-order mark before the first line.
constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";

bool serialIsBlank(const CodeplugImage& image) {
    for (std::size_t i = 0; i < bm::SerialNumberSize; ++i)
        if (image.byte(bm::SerialNumber + i) != kNoSerial) return false;
    return true;
}

std::string quoted(const std::string& path) { return "'" + path + "'"; }

// A token as it may appear in a message: long garbage is cut.
std::string shown(const std::string& token) {
    constexpr std::size_t kMax = 16;
    return token.size() <= kMax ? token : token.substr(0, kMax) + "...";
}

// Writes contents to a fresh file beside target and renames it over target.
std::string writeAtomically(const std::string& path, const std::string& contents) {
    std::string reason;
    if (WriteFileAtomically(path, contents, &reason)) return "";
    return "Cannot save " + quoted(path) + ": " + reason;
}

// ---- Field reader ------------------------------------------------------------

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isSeparator(char c) { return isBlank(c) || isLineEnd(c) || c == ','; }

class FieldReader {
public:
    FieldReader(const std::string& text, std::size_t start) : text_(text), pos_(start) {}

    // A text field: ends at a comma or a line end, surrounding blanks dropped,
    // double quotes taken off.
    std::string textField() {
        while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
        std::string field;
        if (pos_ < text_.size() && text_[pos_] == '"') {
            const std::size_t close = text_.find('"', pos_ + 1);
            if (close != std::string::npos) {
                field = text_.substr(pos_ + 1, close - pos_ - 1);
                pos_ = close + 1;
                skipToFieldEnd();
                return field;
            }
        }
        const std::size_t start = pos_;
        skipToFieldEnd();
        field = text_.substr(start, fieldEnd_ - start);
        while (!field.empty() && isBlank(field.back())) field.pop_back();
        return field;
    }

    void skipLine() {
        while (pos_ < text_.size() && !isLineEnd(text_[pos_])) ++pos_;
        if (pos_ < text_.size() && text_[pos_] == '\r') ++pos_;
        if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
    }

    // The next number token; false at the end of the text.
    bool numberToken(std::string& token) {
        while (pos_ < text_.size() && isSeparator(text_[pos_])) ++pos_;
        if (pos_ >= text_.size()) return false;
        const std::size_t start = pos_;
        while (pos_ < text_.size() && !isSeparator(text_[pos_])) ++pos_;
        token = text_.substr(start, pos_ - start);
        return true;
    }

private:
    // Moves past the end of the current field and its comma or line end.
    void skipToFieldEnd() {
        while (pos_ < text_.size() && text_[pos_] != ',' && !isLineEnd(text_[pos_])) ++pos_;
        fieldEnd_ = pos_;
        if (pos_ < text_.size() && text_[pos_] == ',') {
            ++pos_;
        } else if (pos_ < text_.size() && text_[pos_] == '\r') {
            ++pos_;
            if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
        } else if (pos_ < text_.size()) {
            ++pos_;
        }
    }

    const std::string& text_;
    std::size_t pos_;
    std::size_t fieldEnd_ = 0;
};

enum class TokenKind { Byte, OutOfRange, NotNumber, NotText };

TokenKind classify(const std::string& token, unsigned& value) {
    for (char c : token) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u >= 0x7F) return TokenKind::NotText;
    }
    std::size_t i = (token[0] == '+' || token[0] == '-') ? 1 : 0;
    if (i == token.size()) return TokenKind::NotNumber;
    unsigned long v = 0;
    for (; i < token.size(); ++i) {
        if (token[i] < '0' || token[i] > '9') return TokenKind::NotNumber;
        if (v <= 255) v = v * 10 + static_cast<unsigned>(token[i] - '0');
    }
    if (token[0] == '-' && v != 0) return TokenKind::OutOfRange;
    if (v > 255) return TokenKind::OutOfRange;
    value = static_cast<unsigned>(v);
    return TokenKind::Byte;
}

CodeplugFileLoad failure(CodeplugFileLoad::Status status, std::string error) {
    CodeplugFileLoad r;
    r.status = status;
    r.error = std::move(error);
    return r;
}

enum class FirstLine { MustMatch, Ignored };

// The 384 values after the first line; the image is replaced only when all are good.
CodeplugFileLoad parseFile(CodeplugImage& image, const std::string& contents, const std::string& path,
                           FirstLine firstLine) {
    using Status = CodeplugFileLoad::Status;
    const std::size_t bom = contents.compare(0, sizeof kUtf8Bom - 1, kUtf8Bom) == 0 ? sizeof kUtf8Bom - 1 : 0;
    FieldReader reader(contents, bom);
    if (firstLine == FirstLine::Ignored)
        reader.skipLine();
    else if (reader.textField() != kCodeplugFileId)
        return failure(Status::WrongType, quoted(path) + " is not a Vantrel programmer data file");

    CodeplugImage::Bytes bytes{};
    std::string token;
    for (std::size_t i = 0; i < CodeplugImage::kSize; ++i) {
        if (!reader.numberToken(token))
            return failure(Status::BadContent, quoted(path) + " holds only " + std::to_string(i) + " of the " +
                                                   std::to_string(CodeplugImage::kSize) + " codeplug bytes");
        unsigned value = 0;
        const std::string where = quoted(path) + ": value " + std::to_string(i + 1);
        switch (classify(token, value)) {
            case TokenKind::Byte:
                bytes[i] = static_cast<std::uint8_t>(value);
                break;
            case TokenKind::OutOfRange:
                return failure(Status::BadContent, where + " (" + shown(token) + ") is outside 0 to 255");
            case TokenKind::NotNumber:
                return failure(Status::BadContent, where + " (" + shown(token) + ") is not a number");
            case TokenKind::NotText:
                return failure(Status::BadContent, where + " is not text");
        }
    }
    image.replaceAll(bytes);
    return {};
}

CodeplugFileLoad readFile(CodeplugImage& image, const std::string& path, FirstLine firstLine) {
    using Status = CodeplugFileLoad::Status;
    const RegularFileRead file = ReadRegularFile(path, kReadLimit);
    switch (file.status) {
        case RegularFileRead::Status::Ok:
            return parseFile(image, file.contents, path, firstLine);
        case RegularFileRead::Status::TooLong:
            return failure(Status::BadContent, quoted(path) + " is too long for a data file (over 1 MiB)");
        case RegularFileRead::Status::CannotOpen:
        case RegularFileRead::Status::NotRegular:
            break;
    }
    return failure(Status::CannotOpen, "Cannot open " + quoted(path) + ": " + file.reason);
}

}  // namespace

std::string FormatCodeplugFile(const CodeplugImage& image) {
    std::string out;
    out.reserve(CodeplugImage::kSize * 7 + 32);
    out += kCodeplugFileId;
    out += "\r\n";
    for (std::uint8_t b : image.bytes()) {
        out += ' ';
        out += std::to_string(b);
        out += " \r\n";
    }
    return out;
}

std::string CopyToFile(CodeplugImage& image, const std::string& serialBoxText, const std::string& path) {
    SetFixedWriteBytes(image);
    image.setByte(bm::SerialWriteEnable, 0);

    CodeplugImage saved = image;
    if (serialIsBlank(saved)) {
        // The serial number typed after a default file was loaded enters the
        // image and the file together.
        for (std::size_t p = 0; p < bm::SerialNumberSize; ++p)
            saved.setByte(bm::SerialNumber + p,
                          p < serialBoxText.size() ? static_cast<std::uint8_t>(serialBoxText[p]) : 0);
    }
    std::string error = writeAtomically(path, FormatCodeplugFile(saved));
    if (error.empty()) image = saved;
    return error;
}

CodeplugFileLoad ParseCodeplugFile(CodeplugImage& image, const std::string& contents, const std::string& path) {
    return parseFile(image, contents, path, FirstLine::MustMatch);
}

CodeplugFileLoad CopyToBox(CodeplugImage& image, const std::string& path) {
    return readFile(image, path, FirstLine::MustMatch);
}

CodeplugFileLoad LoadDefaultCodeplug(CodeplugImage& image, const DefaultFileRow& row, const std::string& folder) {
    const CodeplugFileLoad load = readFile(image, folder + "/" + row.fileName, FirstLine::Ignored);
    image.setByte(bytemap::ModelIndex, static_cast<std::uint8_t>(row.modelIndex));
    return load;
}

}  // namespace vantrel
