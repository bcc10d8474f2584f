#include "store/event_composer.h"
#include "store/game_record.h"

#include <QString>
#include <cstdint>
#include <cstdlib>

// Any text as one game line: when it decodes, its events hold exactly the event fields, each event
// gives its list line, and composing the record again gives the same fields.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString line = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<md::GameRecord> record = md::GameRecord::parse(line);
    if (!record) {
        return 0;
    }
    QStringList event_fields;
    for (const md::GameEvent& event : record->events) {
        event_fields += event.fields;
        md::event_list_line(event, record->formation());
        event.kicks();
    }
    const QStringList stored = record->fields.mid(44, record->fields.size() - 45);
    if (event_fields != stored) {
        std::abort();
    }
    const QStringList working = record->fields.mid(1, record->fields.size() - 2);
    const QString composed = md::compose_record_line(working, static_cast<int>(working.size()) - 43);
    const std::optional<md::GameRecord> again = md::GameRecord::parse(composed);
    if (!again || again->fields != record->fields) {
        std::abort();
    }
    return 0;
}
