#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

namespace md {

// The one converter between the program's text and the team files' code page (Windows cp932).
// Conversions are strict: bytes that are not cp932 and characters cp932 cannot hold are reported,
// never replaced.
std::optional<QString> decode_cp932(QByteArrayView bytes);
std::optional<QByteArray> encode_cp932(QStringView text);

// The first character of text (a whole surrogate pair where there is one) that cp932 cannot hold.
std::optional<QString> first_unencodable_character(QStringView text);

}  // namespace md
