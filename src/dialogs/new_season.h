#pragma once

#include "store/data_store.h"
#include "store/user_message.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace kl {

// 次年度のファイルを作成: a new team file from the open one, with its master data and no games.

// What the dialog offers: the team name with its year moved on ("さくらFC 2025" → "さくらFC 2026"),
// and a file named after it. A name without a year stays; its file then gets the next year added,
// so the open file is never offered.
struct NewSeasonNames {
    QString team_name;
    QString file_base;  // without ".kld"
};
NewSeasonNames next_season_names(const md::DataStore& open, int this_year);

// The members the dialog lists, in text order, each once.
QStringList season_members(const md::DataStore& open);

// The next season's file: the open file's master lists (members only those kept, in their stored
// order), formations and meetings, and no games.
md::DataStore next_season_store(const md::DataStore& open, const QStringList& kept_members,
                                const QString& team_name);

// The checks of 作成, in order: those of 新規作成 (team name, file name), then that the file is not
// the open one.
std::optional<md::UserMessage> check_next_season(const md::DataStore& open, const QString& team_name,
                                                 const QString& file_base);

// The file a base name names: base + ".kld".
QString next_season_file(const QString& file_base);

// Writes the next season's file through the team file's checked save; the save message when it
// cannot be written (nothing is then changed).
std::optional<md::UserMessage> write_next_season(const md::DataStore& open, const QStringList& kept_members,
                                                 const QString& team_name, const QString& file);

}  // namespace kl
