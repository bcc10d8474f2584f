#pragma once

#include "store/data_store.h"

#include <functional>

namespace kl {

// What became of a save of the team file.
enum class SaveOutcome {
    saved,
    not_saved,  // nothing changed on disk; the caller takes its change back
    // The file had changed on disk and the user kept that version: the store now holds it, and the
    // program's version is a backup. The caller shows the store afresh and takes nothing back.
    reloaded,
};

// A write of the team file, told whether a file changed on disk may be overwritten.
using TeamFileWrite = std::function<md::SaveResult(md::OnDiskChange)>;

// Runs write. A file changed on disk is overwritten only when the user says so; otherwise the
// program's version goes to a backup and the file is loaded again. Failures are shown, and a
// save made without a backup is told once per run.
SaveOutcome write_or_report(md::DataStore& store, const TeamFileWrite& write);

// Saves the team data file as write_or_report does.
SaveOutcome save_or_report(md::DataStore& store);

// Loads the open file again (after a deletion); a failure is shown with its message.
bool reload_or_report(md::DataStore& store);

}  // namespace kl
