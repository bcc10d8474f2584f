#include "cp932_codec.h"

#include <iconv.h>

namespace md {
namespace {

// An iconv conversion opened once for the life of the program (the program has one thread).
class Converter {
  public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid()) {
            iconv_close(handle_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts all of input into output, which must have room for the result; returns the number
    // of bytes written, or nothing when any byte sequence cannot be converted or is incomplete.
    std::optional<size_t> convert(const char* input, size_t size, char* output, size_t room) {
        if (!valid()) {
            return std::nullopt;
        }
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        char* in = const_cast<char*>(input);
        size_t in_left = size;
        char* out = output;
        size_t out_left = room;
        if (iconv(handle_, &in, &in_left, &out, &out_left) == static_cast<size_t>(-1)) {
            return std::nullopt;
        }
        return room - out_left;
    }

  private:
    bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t handle_;
};

Converter& decoder() {
    static Converter converter("UTF-16LE", "CP932");
    return converter;
}

Converter& encoder() {
    static Converter converter("CP932", "UTF-16LE");
    return converter;
}

bool is_plain_ascii(QByteArrayView bytes) {
    for (const char byte : bytes) {
        if (static_cast<unsigned char>(byte) >= 0x80) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<QString> decode_cp932(QByteArrayView bytes) {
    // ASCII bytes mean the same in cp932; skipping the conversion for them keeps loading fast.
    if (is_plain_ascii(bytes)) {
        return QString::fromLatin1(bytes.data(), bytes.size());
    }
    // A cp932 character takes one or two bytes and becomes one UTF-16 unit: the text is never longer
    // than the bytes.
    QString text(bytes.size(), Qt::Uninitialized);
    const std::optional<size_t> written =
        decoder().convert(bytes.data(), static_cast<size_t>(bytes.size()),
                          reinterpret_cast<char*>(text.data()), static_cast<size_t>(text.size()) * 2);
    if (!written) {
        return std::nullopt;
    }
    text.truncate(static_cast<qsizetype>(*written / 2));
    return text;
}

std::optional<QByteArray> encode_cp932(QStringView text) {
    // Each UTF-16 unit becomes at most two bytes.
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    const std::optional<size_t> written =
        encoder().convert(reinterpret_cast<const char*>(text.utf16()), static_cast<size_t>(text.size()) * 2,
                          bytes.data(), static_cast<size_t>(bytes.size()));
    if (!written) {
        return std::nullopt;
    }
    bytes.truncate(static_cast<qsizetype>(*written));
    return bytes;
}

std::optional<QString> first_unencodable_character(QStringView text) {
    if (encode_cp932(text)) {
        return std::nullopt;
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const QStringView character = text.mid(i, pair ? 2 : 1);
        if (!encode_cp932(character)) {
            return character.toString();
        }
        if (pair) {
            ++i;
        }
    }
    return std::nullopt;
}

}  // namespace md
