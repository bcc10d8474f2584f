#pragma once

#include "file_dialogs.h"
#include "store/user_message.h"

#include <QString>
#include <variant>

namespace kl {

// A team file given from outside the program: named on its command line, or handed over by a
// second start. It is opened as 開く opens a listed file (open_team_file), and read once.

// The file at path (absolute) loaded for opening (stage_team_file, to be committed with
// commit_team_file), or why it cannot be opened. It must be a team data file (*.kld) whose name
// setting.ini can hold and that reads in full; nothing changes before it is committed, so a refused
// file leaves the open file open and setting.ini as it was.
std::variant<StagedFile, md::UserMessage> stage_given_file(const md::DataStore& store, const QString& path);

}  // namespace kl
