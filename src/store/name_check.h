#pragma once

#include "user_message.h"

#include <QStringView>
#include <optional>

namespace md {

// What a typed text is, as its refusal names it.
enum class TypedText { name, date };

// Checks a name (or a typed date) before it is stored: a "," would split it into two fields, and a
// character cp932 cannot hold could not be saved. Returns the message to show, or nothing when the
// text can be stored.
std::optional<UserMessage> check_name(QStringView name, TypedText kind = TypedText::name);

}  // namespace md
