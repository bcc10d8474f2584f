#pragma once

#include "store/data_store.h"
#include "store/shared_names.h"
#include "store/user_message.h"

#include <QString>
#include <optional>
#include <vector>

namespace kl {

// 読みの設定: the readings of members' names, from which the shared outputs take the initials of
// names written in kanji. They are kept in readings.ini beside the team file, which every team file
// of that folder shares: a member keeps the reading from season to season.

// Each member of the team's member list with the reading the file has for the name.
struct ReadingRow {
    QString name;
    QString reading;
};
std::vector<ReadingRow> reading_rows(const md::DataStore& store, const md::NameReadings& readings);

// The readings with the rows entered: a row's reading replaces the name's (an empty one removes it);
// the readings of other names stay as they were.
md::NameReadings readings_after(md::NameReadings readings, const std::vector<ReadingRow>& rows);

// 保存: writes the rows into the readings file beside the open team file; the message to show when
// the file cannot be written.
std::optional<md::UserMessage> save_readings(const md::DataStore& store, const std::vector<ReadingRow>& rows);

}  // namespace kl
