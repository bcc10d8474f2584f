#include "name_check.h"

#include "cp932_codec.h"
#include "data_store.h"
#include "vocabulary.h"

#include <algorithm>

namespace md {

bool has_control_character(QStringView text) {
    return std::any_of(text.begin(), text.end(), [](QChar character) {
        return character.unicode() < 0x20 || character.unicode() == 0x7F;
    });
}

std::optional<UserMessage> check_name(QStringView name, CheckedText what) {
    const QString subject = what == CheckedText::date ? QStringLiteral(u"日付") : QStringLiteral(u"名前");
    auto refuse = [](const QString& text) { return UserMessage{input_error_title, text}; };
    if (has_control_character(name)) {
        return refuse(subject + QStringLiteral(u"に　「制御文字」　は使えません。変更して下さい。"));
    }
    if (name.size() > max_name_length) {
        return refuse(subject + QStringLiteral(u"は　「") + QString::number(max_name_length) +
                      QStringLiteral(u"文字」　以内で入力して下さい。"));
    }
    if (name.contains(u',')) {
        return refuse(subject + QStringLiteral(u"に　「,」　は使えません。変更して下さい。"));
    }
    // A name alone on its line must not read as a section header of the file, and a field of a
    // game line must not read as the line's end.
    if (is_section_header(name) || name == words::end_marker) {
        return refuse(QStringLiteral(u"「") + name.toString() + QStringLiteral(u"」　は") + subject +
                      QStringLiteral(u"に使えません。変更して下さい。"));
    }
    if (const std::optional<QString> character = first_unencodable_character(name)) {
        return refuse(QStringLiteral(u"「") + *character +
                      QStringLiteral(u"」　は保存できない文字です。変更して下さい。"));
    }
    return std::nullopt;
}

}  // namespace md
