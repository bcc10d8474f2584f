#pragma once

#include "store/user_message.h"

#include <QString>
#include <optional>

namespace kl {

// A team file given from outside the program: named on its command line, or handed over by a
// second start. It is opened as 開く opens a listed file (open_team_file).

// Why the file at path (absolute) cannot be opened, or nothing. It must be a team data file (*.kld)
// whose name setting.ini can hold and that reads in full; all is checked before anything changes,
// so a refused file leaves the open file open and setting.ini as it was.
std::optional<md::UserMessage> check_given_file(const QString& path);

}  // namespace kl
