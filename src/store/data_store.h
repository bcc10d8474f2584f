#pragma once

#include "game_record.h"
#include "master_lists.h"
#include "shared_names.h"
#include "startup_settings.h"
#include "text_file.h"
#include "user_message.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace md {

// Reads a team data file whole: a regular file no larger than a team file can be.
FileContent read_team_file(const QString& path);

// Whether a line is one of the team data file's section headers ("[チーム名]" and the others).
bool is_section_header(QStringView line);

struct LoadResult {
    enum class Status { loaded, no_file, unreadable };
    Status status = Status::loaded;
    QString file;
    QString reason;               // for unreadable: why, within full-width parentheses
    bool team_name_read = false;  // the file had a [チーム名] section

    bool ok() const { return status == Status::loaded; }
    UserMessage message() const;
    // "「file」　を読み込めません。" and the reason, also for a missing file (for reports).
    QString refusal_text() const;
};

// What a save does when the team file on disk is no longer what the program read or wrote last
// (another program, a sync tool, changed it).
enum class OnDiskChange { refuse, overwrite };

struct SaveResult {
    SaveResult() = default;
    SaveResult(bool ok, const QString& file, const QString& reason) : ok(ok), file(file), reason(reason) {}

    bool ok = true;
    QString file;
    QString reason;
    // Refused: the file changed on disk. unsaved holds the bytes that were to be written.
    bool changed_on_disk = false;
    // Refused: another program was saving the file (it held the save lock).
    bool busy = false;
    QByteArray unsaved;
    // Saved without a backup of the file as it was; told only the first time in a run.
    std::optional<UserMessage> backup_notice;

    UserMessage message() const;
    // "「A.kld」　は他のプログラムによって変更されています。上書きしますか？"
    UserMessage changed_question() const;
};

// The end of a save refused because the file changed on disk, when the version on disk is kept.
struct KeptDiskVersion {
    bool reloaded = false;  // the program's version is a backup and the file was loaded again
    UserMessage message;    // where the program's version was kept, or why nothing was done
};

// Everything the program knows of the open team and its start-up settings. Tables are filled densely
// from index 0; their capacities are the file's limits (capacities.h).
class DataStore {
  public:
    // The team data file's contents.
    QString team_name;
    QString member_list;
    QString ground_list;
    QString opponent_list;
    QString recorder_list;
    QStringList formation_lines;
    QStringList meeting_lines;
    QStringList game_lines;

    // The formations and meetings of their lines, and the stored games by identity: read from the
    // tables as they are now, so nothing derived is ever out of date.
    std::vector<Formation> formations() const;
    std::vector<Meeting> meetings() const;
    // The position in game_lines of the first stored game of this identity, other than the one at
    // `except` (a game being corrected); nothing when there is none.
    std::optional<int> find_game(const GameIdentity& game, std::optional<int> except = std::nullopt) const;

    QString data_file_path;

    // Start-up settings (setting.ini).
    QString start_file_path;
    QString window_placement;
    StartMode start_mode = StartMode::fixed_file;
    bool keyboard_entry = false;
    bool add_typed_names = false;
    // The wizard and the formation editor take games of fewer than eleven a side.
    bool small_sided_games = false;
    // Live entry counts regular time in elapsed minutes (from 0) rather than as football counts.
    bool live_elapsed_minutes = false;
    // The share of the game (percent) each member should play, shown in live entry; 0 is off.
    int live_target_share = 0;
    // How the picture, the card and the web pages name the members.
    SharedNames shared_names = SharedNames::full;

    void clear_data_store();

    // Reads setting.ini, then the team data file it names, or reloaded_file when that is not empty:
    // a reload names its file itself, whatever setting.ini holds.
    LoadResult load_team_data(const QString& reloaded_file = {});
    // Reads the team data file at path into the tables. A file that cannot be read in full changes
    // nothing but data_file_path, which becomes empty.
    LoadResult load_team_file(const QString& path);
    // The same from the file's bytes; name is the file the bytes came from.
    LoadResult load_team_bytes(const QByteArray& content, const QString& name);
    // Loads the open file again: clear_data_store, then load_team_data naming the open file, so
    // setting.ini is not asked which file.
    LoadResult reload_team_data();
    // Writes the whole team data file to data_file_path; never while no file is open.
    SaveResult save_team_data(OnDiskChange on_change = OnDiskChange::refuse);
    // Replaces the team file with bytes. Every save of the team file comes here, under the file's
    // save lock: the file as it was goes to a backup once the new bytes are written beside it, a
    // file changed on disk (checked again right before it is replaced) is overwritten only when
    // on_change says so (then it is the backup), and old backups are removed only after a save. A
    // failed backup of the program's own last version does not stop the save.
    SaveResult write_team_file(const QByteArray& bytes, OnDiskChange on_change = OnDiskChange::refuse);
    // After a refused save: the program's version (unsaved) becomes a backup and the file on disk is
    // loaded again. Nothing changes when either cannot be done.
    KeptDiskVersion keep_disk_version(const QByteArray& unsaved);
    QStringList team_file_lines() const;
    // The first table the file could not hold, as the reason the file is refused
    // ("（大会が166件を超えています）"); nothing when every table is within its capacity.
    std::optional<QString> beyond_capacity() const;
    // The bytes save_team_data writes, or why the file cannot be written so that it reads back
    // as it is.
    EncodedLines encode_team_file() const;

    // Reads setting.ini into the start-up settings. Its first line names the file to load
    // (data_file_path) and the fixed start file, unless reloaded_file names the file to load; then
    // the start file stays as it was.
    void read_settings(const QString& reloaded_file = {});
    // Writes setting.ini; its first line names file (the team file the next start opens), or
    // start_file_path when cp932 cannot hold that name. Five lines, then the later options' lines up
    // to the last one that is not at its default, so the settings of a program that never used them
    // stay as they were.
    SaveResult save_settings(const QString& file) const;

  private:
    // The team file as the program last read or wrote it: compared with one stat before a save,
    // and read again only when the stat differs (or could not show a change made right after it).
    struct KnownFile {
        KnownFile(const QString& path, const std::optional<FileStamp>& stamp, const QByteArray& bytes)
            : path(path), stamp(stamp), settled(stamp && stamp->settled()), bytes(bytes) {}
        // Whether the file is still as known, by its stamp now.
        bool unchanged(const std::optional<FileStamp>& now) const { return settled && now == stamp; }

        QString path;
        std::optional<FileStamp> stamp;
        bool settled;
        QByteArray bytes;
    };

    // The team file as it is now, and whether it changed since it was known.
    struct FileOnDisk {
        bool readable = true;
        std::optional<QByteArray> bytes;  // none when there is no file
        bool changed = false;
        std::optional<FileStamp> stamp;
    };
    FileOnDisk file_on_disk(const std::optional<KnownFile>& known) const;
    // Whether the file is no longer as `before` found it: changed, or there now when it was not.
    bool changed_since(const FileOnDisk& before) const;

    VerbatimLines verbatim_lines_;
    std::optional<KnownFile> known_file_;
    bool backup_failure_told_ = false;  // for the whole run, whichever file is open
};

}  // namespace md
