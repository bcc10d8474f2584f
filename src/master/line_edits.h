#pragma once

#include "store/data_store.h"
#include "widgets/store_actions.h"

#include <QString>
#include <QStringList>

namespace kl {

// Puts line at position of lines (a table of store), or after the last one when position is -1,
// and saves. A save that fails puts the lines back as they were.
SaveOutcome store_line(md::DataStore& store, QStringList& lines, int position, const QString& line);

struct LineRemoval {
    SaveOutcome outcome = SaveOutcome::not_saved;
    bool reloaded = false;  // the store was loaded again from the file
};

// Removes the line at position of lines, saves and loads the open file again. A save that fails
// puts the line back.
LineRemoval remove_line(md::DataStore& store, QStringList& lines, int position);

}  // namespace kl
