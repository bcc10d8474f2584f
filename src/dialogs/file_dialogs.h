#pragma once

#include "store/data_store.h"
#include "store/user_message.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace kl {

// --- 新規作成 ---

// The checks of 新規作成's OK, in order: the team name, the file name, the name check of the team
// name, and whether the base name can name a file of the working directory (and setting.ini).
std::optional<md::UserMessage> check_new_file(const QString& team_name, bool file_named_by_team,
                                              const QString& file_text);

// The file a new team is created in: the base name (the team name or the typed file name) and ".kld".
QString new_file_name(const QString& team_name, bool file_named_by_team, const QString& file_text);

// The question asked before an existing file of that name is replaced.
md::UserMessage overwrite_question(const QString& file_name);

// Writes a new team file of 15 lines; the save message when the file cannot be written.
std::optional<md::UserMessage> write_new_team_file(const QString& team_name, const QString& file_name);

// Makes the new file the open one, as 新規作成 does, and saves the settings. first_start: no main
// window ran yet (setting.ini was missing).
md::SaveResult switch_to_new_file(md::DataStore& store, const QString& team_name, const QString& file_name,
                                  bool first_start);

// --- 開く ---

// The team files (*.kld) of the working directory, by name.
QStringList team_files();

// The refusal when setting.ini cannot name file as its start file (cp932 cannot hold the name).
std::optional<md::UserMessage> check_start_file(const QString& file);

struct OpenedFile {
    md::LoadResult loaded;
    // What the user is told about setting.ini: it cannot name the file, or it could not be written.
    std::vector<md::UserMessage> notices;
};

// Opens file as the 開く dialog does: the file is loaded by its name, then setting.ini is written,
// naming the fixed start file in the fixed-file mode and the file opened last in the last-file mode
// (or when no file was open). A file that cannot be read leaves no file open and writes nothing.
OpenedFile open_team_file(md::DataStore& store, const QString& file);

// open_team_file in two steps, for a caller that checks the loaded file before it opens it: the
// file loaded into a copy of the store (its tables the file's, its settings the store's), and that
// copy made the open store, with setting.ini written.
struct StagedFile {
    md::DataStore store;
    md::LoadResult loaded;
    bool becomes_start_file = false;
};
StagedFile stage_team_file(const md::DataStore& store, const QString& file);
OpenedFile commit_team_file(md::DataStore& store, StagedFile staged);

// --- 環境設定 ---

// The choices of 環境設定.
struct EnvironmentSettings {
    bool fixed_start_file = true;  // 常に同じファイルを起動する。
    QString start_file;            // its file
    bool keyboard_entry = false;
    bool add_typed_names = false;
    bool small_sided_games = false;     // 8人制など少人数の試合を入力する。
    bool live_elapsed_minutes = false;  // ライブ入力の時間を経過分（0分から）で数える。
    int live_target_share = 0;          // ライブ入力の出場時間の目標（%）; 0 is off
    md::SharedNames shared_names = md::SharedNames::full;
};

// 設定: the store takes the choices and setting.ini is written. A start file setting.ini cannot
// name is refused, and when the file cannot be written the store keeps the settings it had; the
// message tells which.
std::optional<md::UserMessage> apply_environment_settings(md::DataStore& store,
                                                          const EnvironmentSettings& chosen);

// --- 試合データ削除 ---

// The deletion list texts of the stored games, in stored order.
QStringList deletion_entries(const md::DataStore& store);

// Removes the game at stored position and saves; the game stays when it is not saved. (削除 then
// loads the file again.)
md::SaveResult delete_game(md::DataStore& store, int position, md::OnDiskChange on_change);

}  // namespace kl
