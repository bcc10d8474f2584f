#include "name_readings.h"

#include "store/master_lists.h"

namespace kl {

std::vector<ReadingRow> reading_rows(const md::DataStore& store, const md::NameReadings& readings) {
    std::vector<ReadingRow> rows;
    for (const QString& name : md::split_list(store.member_list)) {
        if (name.isEmpty()) {
            continue;
        }
        const auto reading = readings.find(name);
        rows.push_back({name, reading != readings.end() ? reading->second : QString()});
    }
    return rows;
}

md::NameReadings readings_after(md::NameReadings readings, const std::vector<ReadingRow>& rows) {
    for (const ReadingRow& row : rows) {
        if (row.reading.trimmed().isEmpty()) {
            readings.erase(row.name);
        } else {
            readings[row.name] = row.reading.trimmed();
        }
    }
    return readings;
}

std::optional<md::UserMessage> save_readings(const md::DataStore& store,
                                             const std::vector<ReadingRow>& rows) {
    const QString path = md::readings_path_for(store.data_file_path);
    const md::WriteResult written =
        md::write_name_readings(path, readings_after(md::read_name_readings(path), rows));
    if (!written.ok) {
        return md::SaveResult{false, path, written.reason}.message();
    }
    return std::nullopt;
}

}  // namespace kl
