#include "name_check.h"

#include "cp932_codec.h"
#include "data_store.h"

namespace md {

std::optional<UserMessage> check_name(QStringView name, TypedText kind) {
    const QString subject = kind == TypedText::date ? QStringLiteral(u"日付") : QStringLiteral(u"名前");
    if (name.contains(u',')) {
        return UserMessage{input_error_title,
                           subject + QStringLiteral(u"に　「,」　は使えません。変更して下さい。")};
    }
    // A name alone on its line must not read as a section header of the file.
    if (is_section_header(name)) {
        return UserMessage{input_error_title, QStringLiteral(u"「") + name.toString() +
                                                  QStringLiteral(u"」　は") + subject +
                                                  QStringLiteral(u"に使えません。変更して下さい。")};
    }
    if (const std::optional<QString> character = first_unencodable_character(name)) {
        return UserMessage{input_error_title,
                           QStringLiteral(u"「") + *character +
                               QStringLiteral(u"」　は保存できない文字です。変更して下さい。")};
    }
    return std::nullopt;
}

}  // namespace md
