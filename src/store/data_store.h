#pragma once

#include "shared_names.h"
#include "text_file.h"
#include "user_message.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace md {

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

    // Derived tables.
    QStringList formation_fields;  // 10 per formation
    QStringList meeting_fields;    // 6 per meeting
    // Every game line's fields from "#" to "##", concatenated, as places in game_lines; game_field
    // reads one.
    struct FieldPlace {
        qsizetype line = -1;  // -1: a closing "##" the line lacked
        qsizetype offset = 0;
        qsizetype length = 0;
    };
    std::vector<FieldPlace> game_fields;
    std::vector<int> game_index;  // per game, the position of its date field in game_fields
    // The text at a position of game_fields: empty outside the table, or when game_lines has
    // changed since build_game_index so that the place is gone.
    QStringView game_field(qsizetype position) const;

    QString data_file_path;
    QString reload_path_override;
    // 1 while the main window runs with its start done; 0 after a start without setting.ini.
    qint16 main_window_ready = 0;

    // Start-up settings (setting.ini).
    QString start_file_path;
    QString window_placement;
    qint16 start_mode = 0;
    qint16 keyboard_entry = 0;
    qint16 add_typed_names = 0;
    // 1: the wizard and the formation editor take games of fewer than eleven a side.
    qint16 small_sided_games = 0;
    // How the picture, the card and the web pages name the members.
    SharedNames shared_names = SharedNames::full;

    void clear_data_store();

    // Reads setting.ini, then the team data file it names (or reload_path_override).
    LoadResult load_team_data();
    // Reads the team data file at path into the tables. A file that cannot be read in full changes
    // nothing but data_file_path, which becomes empty.
    LoadResult load_team_file(const QString& path);
    // The same from the file's bytes; name is the file the bytes came from.
    LoadResult load_team_bytes(const QByteArray& content, const QString& name);
    // Loads the open file again: clear_data_store, then load_team_data with the file named by
    // reload_path_override, so setting.ini is not asked which file.
    LoadResult reload_team_data();
    // Writes the whole team data file to data_file_path; never while no file is open.
    SaveResult save_team_data(OnDiskChange on_change = OnDiskChange::refuse);
    // Replaces the team file with bytes. Every save of the team file comes here: the file as it
    // was goes to a backup first, and a file changed on disk is overwritten only when on_change
    // says so (then it is the backup). A failed backup of the program's own last version does not
    // stop the save.
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

    void read_settings();
    // Writes setting.ini; its first line names data_file_path, or start_file_path when cp932 cannot
    // hold the name of the open file. Five lines, and the further ones (small-sided games, the names
    // of shared outputs) up to the last that is not at its default, so the settings of a program
    // that never used them stay as they were.
    SaveResult save_settings() const;

    // Rebuilds game_fields and game_index from game_lines.
    void build_game_index();
    // Rebuilds formation_fields and meeting_fields from their lines.
    void rebuild_formation_fields();
    void rebuild_meeting_fields();

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

    // The team file as it is now, and whether it changed since the program last read or wrote it.
    struct FileOnDisk {
        bool readable = true;
        std::optional<QByteArray> bytes;  // none when there is no file
        bool changed = false;
    };
    FileOnDisk file_on_disk() const;

    VerbatimLines verbatim_lines_;
    std::optional<KnownFile> known_file_;
    bool backup_failure_told_ = false;  // for the whole run, whichever file is open
};

}  // namespace md
