#include "team_backups.h"

#include "text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <tuple>

namespace md {
namespace {

const QString stamp_form = QStringLiteral(u"yyyyMMdd-HHmmss-zzz");

QString base_name(const QString& team_file) {
    return QFileInfo(team_file).completeBaseName();
}

// NAME_ and a time stamp: the names of this team's backups and no other team's, even one whose own
// name begins with NAME_.
QRegularExpression backup_name_pattern(const QString& team_file) {
    return QRegularExpression(u'^' + QRegularExpression::escape(base_name(team_file)) +
                              QStringLiteral(u"_(\\d{8}-\\d{6}-\\d{3})\\.kld$"));
}

}  // namespace

QString backup_folder(const QString& team_file) {
    return QFileInfo(team_file).absoluteDir().filePath(QStringLiteral(u"backup"));
}

QString backup_path(const QString& team_file, const QDateTime& taken) {
    return QDir(backup_folder(team_file))
        .filePath(base_name(team_file) + u'_' + taken.toString(stamp_form) + QStringLiteral(u".kld"));
}

std::vector<BackupFile> list_backups(const QString& team_file) {
    const QDir folder(backup_folder(team_file));
    const QRegularExpression pattern = backup_name_pattern(team_file);
    std::vector<BackupFile> backups;
    for (const QString& name : folder.entryList(QDir::Files)) {
        const QRegularExpressionMatch match = pattern.match(name);
        const QDateTime taken =
            match.hasMatch() ? QDateTime::fromString(match.captured(1), stamp_form) : QDateTime();
        if (taken.isValid()) {
            const QString path = folder.filePath(name);
            backups.push_back({path, taken, QFileInfo(path).lastModified()});
        }
    }
    std::sort(backups.begin(), backups.end(), [](const BackupFile& one, const BackupFile& other) {
        return std::tie(one.taken, one.modified) > std::tie(other.taken, other.modified);
    });
    return backups;
}

BackupWritten add_backup(const QString& team_file, const QByteArray& bytes, const QDateTime& taken) {
    if (!QDir().mkpath(backup_folder(team_file))) {
        return {false, {}, QStringLiteral(u"（フォルダ　「backup」　を作成できません）")};
    }
    // Two saves within one millisecond still leave two backups.
    QDateTime when = taken;
    while (QFileInfo::exists(backup_path(team_file, when))) {
        when = when.addMSecs(1);
    }
    const QString path = backup_path(team_file, when);
    const WriteResult written = write_whole_file(path, bytes);
    if (!written.ok) {
        return {false, {}, written.reason};
    }
    return {true, path, {}};
}

void remove_old_backups(const QString& team_file, const QString& made) {
    const QString made_path = QFileInfo(made).absoluteFilePath();
    int kept = 1;  // the one just made
    for (const BackupFile& backup : list_backups(team_file)) {
        if (QFileInfo(backup.path).absoluteFilePath() == made_path) {
            continue;
        }
        // One that cannot be removed now is tried again at the next save.
        if (kept >= kept_backups) {
            QFile::remove(backup.path);
        } else {
            ++kept;
        }
    }
}

BackupWritten write_backup(const QString& team_file, const QByteArray& bytes, const QDateTime& taken) {
    const BackupWritten written = add_backup(team_file, bytes, taken);
    if (written.ok) {
        remove_old_backups(team_file, written.path);
    }
    return written;
}

QString backup_failure_text(const QString& reason) {
    return QStringLiteral(u"バックアップを作成できません。") + reason;
}

}  // namespace md
