#include "line_edits.h"

#include "widgets/store_actions.h"

namespace kl {

bool store_line(md::DataStore& store, QStringList& lines, int position, const QString& line) {
    const QStringList before = lines;
    if (position >= 0) {
        lines[position] = line;
    } else {
        lines.append(line);
    }
    if (!save_or_report(store)) {
        lines = before;
        return false;
    }
    return true;
}

LineRemoval remove_line(md::DataStore& store, QStringList& lines, int position) {
    const QString removed = lines.takeAt(position);
    if (!save_or_report(store)) {
        lines.insert(position, removed);
        return {};
    }
    return {true, reload_or_report(store)};
}

}  // namespace kl
