#include "line_edits.h"

namespace kl {

SaveOutcome store_line(md::DataStore& store, QStringList& lines, int position, const QString& line) {
    const QStringList before = lines;
    if (position >= 0) {
        lines[position] = line;
    } else {
        lines.append(line);
    }
    const SaveOutcome outcome = save_or_report(store);
    if (outcome == SaveOutcome::not_saved) {
        lines = before;
    }
    return outcome;
}

LineRemoval remove_line(md::DataStore& store, QStringList& lines, int position) {
    const QString removed = lines.takeAt(position);
    const SaveOutcome outcome = save_or_report(store);
    switch (outcome) {
        case SaveOutcome::not_saved:
            lines.insert(position, removed);
            return {};
        case SaveOutcome::reloaded:
            return {outcome, true};
        case SaveOutcome::saved:
            break;
    }
    return {outcome, reload_or_report(store)};
}

}  // namespace kl
