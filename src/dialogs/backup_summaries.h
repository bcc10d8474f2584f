#pragma once

#include "store/data_store.h"
#include "store/team_backups.h"

#include <QString>
#include <QtGlobal>
#include <array>
#include <map>
#include <vector>

namespace kl {

// A stored line by fingerprints: of the whole line, and of what makes two lines the same line
// changed (a game's date and start time, a formation's or meeting's name, a name itself).
struct LineMark {
    quint64 line = 0;
    quint64 key = 0;

    bool operator<(const LineMark& other) const {
        return line != other.line ? line < other.line : key < other.key;
    }
};

// The lists a backup's row compares with the backup before: 試合, メンバー, グラウンド, 対戦チーム,
// 起票者, フォーメーション, 大会.
inline constexpr int compared_lists = 7;

// What バックアップから復元 tells of one backup: whether it loads (and why not), its team name, its
// number of games, and its lines by fingerprints, so that a large backup's summary stays small.
struct BackupSummary {
    md::LoadResult::Status status = md::LoadResult::Status::loaded;
    QString reason;  // why it cannot be read
    QString team_name;
    int games = 0;
    std::array<std::vector<LineMark>, compared_lists> lists;  // each in the order of LineMark
};

// The summary of the backup at path: the file read in full.
BackupSummary summarize_backup(const QString& path);

// The summaries of a team file's backups, kept in one file beside them ("backup/NAME.summaries")
// so that バックアップから復元 reads a backup only once. A summary is made again when its backup's
// size or time of change is not what it was; the backups themselves are never written.
class BackupSummaryCache {
  public:
    explicit BackupSummaryCache(const QString& team_file);

    const BackupSummary& summary(const md::BackupFile& backup);
    // Writes the summaries of the backups listed, when one was made; an unwritable cache is only
    // made again at the next opening.
    void save(const std::vector<md::BackupFile>& listed) const;

  private:
    struct Entry {
        qint64 size = -1;
        qint64 changed = 0;  // ms since the epoch
        BackupSummary summary;
    };
    QString path_;
    std::map<QString, Entry> entries_;  // by file name
    bool made_ = false;
};

}  // namespace kl
