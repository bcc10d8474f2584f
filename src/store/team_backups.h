#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <vector>

namespace md {

// How many backups of one team file are kept; older ones are removed.
inline constexpr int kept_backups = 50;

// The folder "backup" beside the team file at path.
QString backup_folder(const QString& team_file);

// The backup of the team file taken at a time: NAME_yyyyMMdd-HHmmss-zzz.kld in its backup folder,
// NAME the team file's base name.
QString backup_path(const QString& team_file, const QDateTime& taken);

struct BackupFile {
    QString path;
    QDateTime taken;     // read from its name
    QDateTime modified;  // when the file was last written
};

// The backups of the team file, newest first: by the time in their names, then by when they were
// written. Files of other teams in the folder, and files not named as backups, are not listed.
std::vector<BackupFile> list_backups(const QString& team_file);

struct BackupWritten {
    bool ok = true;
    QString path;    // the backup made
    QString reason;  // why not, within full-width parentheses
};

// Keeps bytes (a version of the team file) as a backup named by the time taken (a later free
// millisecond when that name is in use). Removes nothing.
BackupWritten add_backup(const QString& team_file, const QByteArray& bytes,
                         const QDateTime& taken = QDateTime::currentDateTime());

// Removes the backups beyond the newest 50, never the one just made (made): after the clock was
// set back, the newest backup may bear the oldest name, and it holds the file as it was before
// the save.
void remove_old_backups(const QString& team_file, const QString& made);

// add_backup, then remove_old_backups.
BackupWritten write_backup(const QString& team_file, const QByteArray& bytes,
                           const QDateTime& taken = QDateTime::currentDateTime());

// "バックアップを作成できません。" and the reason.
QString backup_failure_text(const QString& reason);

}  // namespace md
