#pragma once

#include "backup_summaries.h"
#include "store/data_store.h"
#include "store/user_message.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace kl {

// One backup of a team file, as バックアップから復元 lists it.
struct BackupRow {
    QString file;           // the backup's path
    QString taken;          // "yyyy/MM/dd HH:mm:ss"
    md::LoadResult loaded;  // whether the backup can be read in full, and why not
    QString team_name;
    int games = 0;
    // What changed against the backup before it ("試合 +1、メンバー +2"); empty for the oldest and
    // next to a backup that cannot be read.
    QString changes;

    bool readable() const { return loaded.ok(); }
    // Why 復元 refuses a backup that cannot be read: "「backup/…」　を読み込めません。（…）"
    md::UserMessage refusal() const;
    // Date and time, team name, number of games, what changed.
    QStringList cells() const;
};

// The backups of the team file, newest first, each read in full.
std::vector<BackupRow> backup_rows(const QString& team_file);
// The same from the summaries kept beside the backups, a backup read only when its summary is
// missing or no longer its own; the summaries are kept for the next time.
std::vector<BackupRow> backup_rows(const QString& team_file, BackupSummaryCache& cache);

// The rows for scripts: cells joined by tabs, each row ended by CR LF.
QString backup_rows_text(const std::vector<BackupRow>& rows);

// 復元's question: "「yyyy/MM/dd HH:mm:ss」　の状態に戻しますか？"
md::UserMessage restore_question(const BackupRow& row);
// What a restore ends with: "「yyyy/MM/dd HH:mm:ss」　の状態に戻しました。（テストFC、2試合）"
md::UserMessage restored_message(const BackupRow& row);

// Writes the backup's bytes over the open team file, as a save does (the file as it is becomes a
// backup first, so the restore can be undone). A backup that cannot be read in full is refused.
// 復元 then loads the file again.
md::SaveResult restore_backup(md::DataStore& store, const QString& backup_file, md::OnDiskChange on_change);

}  // namespace kl
