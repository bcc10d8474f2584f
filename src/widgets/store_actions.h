#pragma once

#include "store/data_store.h"

namespace kl {

// Saves the team data file; a failure is shown with its message. True when saved.
bool save_or_report(const md::DataStore& store);

// Loads the open file again (after a deletion); a failure is shown with its message.
bool reload_or_report(md::DataStore& store);

}  // namespace kl
