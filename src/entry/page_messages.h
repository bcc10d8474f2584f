#pragma once

#include "store/user_message.h"

namespace kl {

// The OK boxes of page 3's refusals.
inline md::UserMessage input_error(const QString& text) {
    return {md::input_error_title, text};
}

inline md::UserMessage no_room_for_event() {
    return input_error(QStringLiteral(u"これ以上　「イベント」　を追加できません。"));
}

}  // namespace kl
