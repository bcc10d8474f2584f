#pragma once

#include "user_message.h"

#include <QStringView>
#include <optional>

namespace md {

// Checks a name the user typed before it is stored: a "," would split it into two fields, and a
// character cp932 cannot hold could not be saved. Returns the message to show, or nothing when the
// name can be stored.
std::optional<UserMessage> check_name(QStringView name);

}  // namespace md
