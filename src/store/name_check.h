#pragma once

#include "capacities.h"
#include "user_message.h"

#include <QStringView>
#include <optional>

namespace md {

// Whether text holds a control character (C0 or DEL): a line break, a tab, a NUL, an escape.
bool has_control_character(QStringView text);

// What a checked text is, for the wording of its message.
enum class CheckedText { name, date };

// Checks a name (or the date box's text) the user typed before it is stored: a control character
// would break the line it is stored on (or add a column to a copied table), a "," would split it
// into two fields, a section header or a "##" would read as the file's structure, and a character
// cp932 cannot hold could not be saved. Returns the message to
// show, or nothing when the text can be stored.
std::optional<UserMessage> check_name(QStringView name, CheckedText what = CheckedText::name);

}  // namespace md
