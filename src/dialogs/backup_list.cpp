#include "backup_list.h"

#include "store/team_backups.h"
#include "store/text_file.h"

#include <QFileInfo>
#include <algorithm>
#include <array>
#include <iterator>
#include <optional>

namespace kl {
namespace {

const std::array<QString, compared_lists> list_labels = {
    QStringLiteral(u"試合"),       QStringLiteral(u"メンバー"), QStringLiteral(u"グラウンド"),
    QStringLiteral(u"対戦チーム"), QStringLiteral(u"起票者"),   QStringLiteral(u"フォーメーション"),
    QStringLiteral(u"大会")};

// Lines only in before or only in after; a line gone and a line come with the same key are one
// line changed.
struct Tally {
    int added = 0;
    int removed = 0;
    int changed = 0;
};

// The same lines in any order: as many, with the same sum of fingerprints (two other sets of lines
// with one 64-bit sum are not to be met). Most lists of a backup are settled so.
bool same_lines(const std::vector<LineMark>& before, const std::vector<LineMark>& after) {
    const auto sum = [](const std::vector<LineMark>& marks) {
        quint64 total = 0;
        for (const LineMark& mark : marks) {
            total += mark.line;
        }
        return total;
    };
    return before.size() == after.size() && sum(before) == sum(after);
}

// The keys of the lines of one list that the other lacks, as many times as they are missing; both
// lists in the order of LineMark.
std::vector<quint64> keys_missing_from(const std::vector<LineMark>& marks,
                                       const std::vector<LineMark>& others) {
    std::vector<LineMark> missing;
    const auto by_line = [](const LineMark& a, const LineMark& b) { return a.line < b.line; };
    std::set_difference(marks.begin(), marks.end(), others.begin(), others.end(), std::back_inserter(missing),
                        by_line);
    std::vector<quint64> keys;
    keys.reserve(missing.size());
    for (const LineMark& mark : missing) {
        keys.push_back(mark.key);
    }
    std::sort(keys.begin(), keys.end());
    return keys;
}

Tally compare(const std::vector<LineMark>& before, const std::vector<LineMark>& after) {
    if (same_lines(before, after)) {
        return {};
    }
    const std::vector<quint64> gone = keys_missing_from(before, after);
    const std::vector<quint64> come = keys_missing_from(after, before);
    // Each line come that has a line gone with its key is one line changed.
    std::vector<quint64> paired;
    std::set_intersection(gone.begin(), gone.end(), come.begin(), come.end(), std::back_inserter(paired));
    const auto changed = static_cast<int>(paired.size());
    return {static_cast<int>(come.size()) - changed, static_cast<int>(gone.size()) - changed, changed};
}

// "試合 +1", "メンバー −2", "大会 修正1", "試合 +1 −1".
QString tally_text(const QString& label, const Tally& tally) {
    QStringList parts;
    if (tally.added > 0) {
        parts.append(u'+' + QString::number(tally.added));
    }
    if (tally.removed > 0) {
        parts.append(u'\u2212' + QString::number(tally.removed));
    }
    if (tally.changed > 0) {
        parts.append(QStringLiteral(u"修正") + QString::number(tally.changed));
    }
    return parts.isEmpty() ? QString() : label + u' ' + parts.join(u' ');
}

QString changes_between(const BackupSummary& before, const BackupSummary& after) {
    QStringList told;
    for (size_t i = 0; i < list_labels.size(); ++i) {
        const QString text = tally_text(list_labels[i], compare(before.lists[i], after.lists[i]));
        if (!text.isEmpty()) {
            told.append(text);
        }
    }
    if (before.team_name != after.team_name) {
        told.append(QStringLiteral(u"チーム名"));
    }
    return told.isEmpty() ? QStringLiteral(u"変更なし") : told.join(u'、');
}

// The rows of backups, newest first, each told from its summary and compared with the one before.
template <typename SummaryOf>
std::vector<BackupRow> rows_of(const std::vector<md::BackupFile>& backups, SummaryOf&& summary_of) {
    std::vector<BackupRow> rows(backups.size());
    const BackupSummary* before = nullptr;
    for (size_t i = backups.size(); i-- > 0;) {
        BackupRow& row = rows[i];
        row.file = backups[i].path;
        row.taken = backups[i].taken.toString(QStringLiteral(u"yyyy/MM/dd HH:mm:ss"));
        const BackupSummary& summary = summary_of(backups[i]);
        row.loaded.status = summary.status;
        row.loaded.reason = summary.reason;
        if (!row.readable()) {
            row.loaded.file = QStringLiteral(u"backup/") + QFileInfo(row.file).fileName();
            before = nullptr;
            continue;
        }
        row.team_name = summary.team_name;
        row.games = summary.games;
        if (before != nullptr) {
            row.changes = changes_between(*before, summary);
        }
        before = &summary;
    }
    return rows;
}

}  // namespace

QStringList BackupRow::cells() const {
    if (!readable()) {
        return {taken, QStringLiteral(u"読み込めません") + loaded.reason, QString(), QString()};
    }
    return {taken, team_name, QString::number(games), changes};
}

md::UserMessage BackupRow::refusal() const {
    return {QStringLiteral(u"読み込みエラー"), loaded.refusal_text()};
}

std::vector<BackupRow> backup_rows(const QString& team_file) {
    // Each backup read in turn; its summary stays while the next is compared with it.
    std::vector<BackupSummary> summaries;
    const std::vector<md::BackupFile> backups = md::list_backups(team_file);
    summaries.reserve(backups.size());
    return rows_of(backups, [&summaries](const md::BackupFile& backup) -> const BackupSummary& {
        summaries.push_back(summarize_backup(backup.path));
        return summaries.back();
    });
}

std::vector<BackupRow> backup_rows(const QString& team_file, BackupSummaryCache& cache) {
    const std::vector<md::BackupFile> backups = md::list_backups(team_file);
    std::vector<BackupRow> rows = rows_of(
        backups,
        [&cache](const md::BackupFile& backup) -> const BackupSummary& { return cache.summary(backup); });
    cache.save(backups);
    return rows;
}

QString backup_rows_text(const std::vector<BackupRow>& rows) {
    QString text;
    for (const BackupRow& row : rows) {
        text += row.cells().join(u'\t') + QStringLiteral(u"\r\n");
    }
    return text;
}

md::UserMessage restore_question(const BackupRow& row) {
    return {QStringLiteral(u"復元の確認"),
            QStringLiteral(u"「") + row.taken + QStringLiteral(u"」　の状態に戻しますか？")};
}

md::UserMessage restored_message(const BackupRow& row) {
    return {QStringLiteral(u"復元"), QStringLiteral(u"「") + row.taken +
                                         QStringLiteral(u"」　の状態に戻しました。（") + row.team_name +
                                         QStringLiteral(u"、") + QString::number(row.games) +
                                         QStringLiteral(u"試合）")};
}

md::SaveResult restore_backup(md::DataStore& store, const QString& backup_file, md::OnDiskChange on_change) {
    const md::FileContent backup = md::read_team_file(backup_file);
    // Only what loads in full goes over the team file.
    if (!backup.ok() || !md::DataStore().load_team_bytes(backup.bytes, backup_file).ok()) {
        return {false, store.data_file_path, QStringLiteral(u"（バックアップを読み込めません）")};
    }
    return store.write_team_file(backup.bytes, on_change);
}

}  // namespace kl
