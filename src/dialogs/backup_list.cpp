#include "backup_list.h"

#include "store/game_record.h"
#include "store/master_lists.h"
#include "store/team_backups.h"
#include "store/text_file.h"
#include "store/text_order.h"

#include <QFileInfo>
#include <functional>
#include <optional>
#include <unordered_map>

namespace kl {
namespace {

using KeyOf = std::function<QString(const QString&)>;

// What a backup holds, as far as its row compares it with the one before.
struct Contents {
    QString team_name;
    std::vector<std::pair<QString, QStringList>> lists;  // by label, in the order they are told
};

QString first_field(const QString& line) {
    return line.section(u',', 0, 0);
}

// A game is the same game, corrected, while its date and start time stay.
QString game_key(const QString& line) {
    const std::vector<QStringView> fields = md::split_record_line(line);
    const auto field = [&](int position) {
        return static_cast<size_t>(position) < fields.size()
                   ? fields[static_cast<size_t>(position)].toString()
                   : QString();
    };
    return field(md::record::date) + u' ' + field(md::record::start_time);
}

QString same_text(const QString& text) {
    return text;
}

struct Labelled {
    QString label;
    KeyOf key;
};

const std::vector<Labelled>& labelled_lists() {
    static const std::vector<Labelled> lists = {
        {QStringLiteral(u"試合"), game_key},        {QStringLiteral(u"メンバー"), same_text},
        {QStringLiteral(u"グラウンド"), same_text}, {QStringLiteral(u"対戦チーム"), same_text},
        {QStringLiteral(u"起票者"), same_text},     {QStringLiteral(u"フォーメーション"), first_field},
        {QStringLiteral(u"大会"), first_field},
    };
    return lists;
}

Contents contents_of(const md::DataStore& store) {
    const QStringList tables[] = {store.game_lines,
                                  md::split_list(store.member_list),
                                  md::split_list(store.ground_list),
                                  md::split_list(store.opponent_list),
                                  md::split_list(store.recorder_list),
                                  store.formation_lines,
                                  store.meeting_lines};
    Contents contents{store.team_name, {}};
    for (size_t i = 0; i < labelled_lists().size(); ++i) {
        contents.lists.emplace_back(labelled_lists()[i].label, tables[i]);
    }
    return contents;
}

// Lines only in before or only in after; a line gone and a line come with the same key are one
// line changed.
struct Tally {
    int added = 0;
    int removed = 0;
    int changed = 0;
};

using Counts = std::unordered_map<QString, int, md::TextHash>;

// The lines of one list that the other lacks, counted as many times as they are missing.
QStringList missing_from(const QStringList& lines, Counts others) {
    QStringList missing;
    for (const QString& line : lines) {
        int& count = others[line];
        if (count > 0) {
            --count;
        } else {
            missing.append(line);
        }
    }
    return missing;
}

Counts counted(const QStringList& lines) {
    Counts counts;
    for (const QString& line : lines) {
        ++counts[line];
    }
    return counts;
}

Tally compare(const QStringList& before, const QStringList& after, const KeyOf& key) {
    const QStringList gone = missing_from(before, counted(after));
    const QStringList come = missing_from(after, counted(before));
    Counts gone_keys;
    for (const QString& line : gone) {
        ++gone_keys[key(line)];
    }
    Tally tally;
    for (const QString& line : come) {
        int& count = gone_keys[key(line)];
        if (count > 0) {
            --count;
            ++tally.changed;
        } else {
            ++tally.added;
        }
    }
    tally.removed = static_cast<int>(gone.size()) - tally.changed;
    return tally;
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

QString changes_between(const Contents& before, const Contents& after) {
    QStringList told;
    for (size_t i = 0; i < after.lists.size(); ++i) {
        const QString text =
            tally_text(after.lists[i].first,
                       compare(before.lists[i].second, after.lists[i].second, labelled_lists()[i].key));
        if (!text.isEmpty()) {
            told.append(text);
        }
    }
    if (before.team_name != after.team_name) {
        told.append(QStringLiteral(u"チーム名"));
    }
    return told.isEmpty() ? QStringLiteral(u"変更なし") : told.join(u'、');
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
    const std::vector<md::BackupFile> backups = md::list_backups(team_file);
    std::vector<BackupRow> rows(backups.size());
    // From the oldest on, each compared with the one before it; only one backup is held at a time.
    std::optional<Contents> before;
    for (size_t i = backups.size(); i-- > 0;) {
        BackupRow& row = rows[i];
        row.file = backups[i].path;
        row.taken = backups[i].taken.toString(QStringLiteral(u"yyyy/MM/dd HH:mm:ss"));
        md::DataStore backup;
        row.loaded = backup.load_team_file(row.file);
        if (!row.readable()) {
            row.loaded.file = QStringLiteral(u"backup/") + QFileInfo(row.file).fileName();
            before.reset();
            continue;
        }
        row.team_name = backup.team_name;
        row.games = static_cast<int>(backup.game_lines.size());
        Contents contents = contents_of(backup);
        if (before) {
            row.changes = changes_between(*before, contents);
        }
        before = std::move(contents);
    }
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

md::SaveResult restore_backup(md::DataStore& store, const QString& backup_file, md::OnDiskChange on_change) {
    const md::FileContent backup = md::read_team_file(backup_file);
    // Only what loads in full goes over the team file.
    if (!backup.ok() || !md::DataStore().load_team_bytes(backup.bytes, backup_file).ok()) {
        return {false, store.data_file_path, QStringLiteral(u"（バックアップを読み込めません）")};
    }
    return store.write_team_file(backup.bytes, on_change);
}

}  // namespace kl
