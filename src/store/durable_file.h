#pragma once

#include "text_file.h"

#include <QByteArray>
#include <QString>

namespace md {

// Files that grow by appending, each write on the disk (synced) before it returns: a record that
// loses nothing written once the call said so, whatever happens to the program or the power after.

// Creates the file at path, which must not exist yet, with bytes; the file and the entry in its
// folder are synced.
WriteResult create_durable_file(const QString& path, const QByteArray& bytes);

// Appends bytes to the file at path and syncs it. A write that fails part-way is cut off again, so
// the file ends where it ended before.
WriteResult append_durably(const QString& path, const QByteArray& bytes);

}  // namespace md
