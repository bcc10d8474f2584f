#include "backup_summaries.h"

#include "store/game_record.h"
#include "store/master_lists.h"
#include "store/text_file.h"

#include <QDataStream>
#include <QFileInfo>
#include <QtEndian>
#include <algorithm>

namespace kl {
namespace {

// FNV-1a over the text's UTF-16 code units: the same number on every machine and Qt version, as a
// cache kept on disk needs.
quint64 fingerprint(QStringView text) {
    quint64 hash = 14695981039346656037ULL;
    for (const QChar unit : text) {
        for (const int byte : {unit.unicode() & 0xff, unit.unicode() >> 8}) {
            hash ^= static_cast<quint64>(byte);
            hash *= 1099511628211ULL;
        }
    }
    return hash;
}

QStringView first_field(QStringView line) {
    const qsizetype comma = line.indexOf(u',');
    return comma < 0 ? line : line.left(comma);
}

// A game is the same game, corrected, while its date and start time stay.
QString game_key(const QString& line) {
    const std::vector<QStringView> fields = md::split_record_line(line);
    const auto field = [&](int position) {
        return static_cast<size_t>(position) < fields.size() ? fields[static_cast<size_t>(position)]
                                                             : QStringView();
    };
    return field(md::record::date).toString() + u' ' + field(md::record::start_time).toString();
}

enum class KeyOf { same_text, first_field, game };

std::vector<LineMark> marks_of(const QStringList& lines, KeyOf key) {
    std::vector<LineMark> marks;
    marks.reserve(static_cast<size_t>(lines.size()));
    for (const QString& line : lines) {
        const quint64 whole = fingerprint(line);
        switch (key) {
            case KeyOf::same_text:
                marks.push_back({whole, whole});
                break;
            case KeyOf::first_field:
                marks.push_back({whole, fingerprint(first_field(line))});
                break;
            case KeyOf::game:
                marks.push_back({whole, fingerprint(game_key(line))});
                break;
        }
    }
    std::sort(marks.begin(), marks.end());
    return marks;
}

QString cache_path(const QString& team_file) {
    return md::backup_folder(team_file) + u'/' + QFileInfo(team_file).completeBaseName() +
           QStringLiteral(u".summaries");
}

constexpr quint32 cache_magic = 0x4b4c4253;  // "KLBS"
constexpr quint32 cache_version = 1;
// More lines than a team file holds: a cache that says so is damaged.
constexpr quint32 most_marks = 1'000'000;

QDataStream& operator<<(QDataStream& out, const BackupSummary& summary) {
    out << static_cast<qint32>(summary.status) << summary.reason << summary.team_name
        << static_cast<qint32>(summary.games);
    for (const std::vector<LineMark>& list : summary.lists) {
        out << static_cast<quint32>(list.size());
        std::vector<quint64> numbers;
        numbers.reserve(2 * list.size());
        for (const LineMark& mark : list) {
            numbers.push_back(qToLittleEndian(mark.line));
            numbers.push_back(qToLittleEndian(mark.key));
        }
        // Many lines, written and read as one block.
        out.writeRawData(reinterpret_cast<const char*>(numbers.data()),
                         static_cast<int>(numbers.size() * sizeof(quint64)));
    }
    return out;
}

QDataStream& operator>>(QDataStream& in, BackupSummary& summary) {
    qint32 status = 0;
    qint32 games = 0;
    in >> status >> summary.reason >> summary.team_name >> games;
    summary.status = static_cast<md::LoadResult::Status>(status);
    summary.games = games;
    for (std::vector<LineMark>& list : summary.lists) {
        quint32 size = 0;
        in >> size;
        if (in.status() != QDataStream::Ok || size > most_marks) {
            in.setStatus(QDataStream::ReadCorruptData);
            return in;
        }
        std::vector<quint64> numbers(2 * size_t{size});
        const auto bytes = static_cast<int>(numbers.size() * sizeof(quint64));
        if (in.readRawData(reinterpret_cast<char*>(numbers.data()), bytes) != bytes) {
            in.setStatus(QDataStream::ReadPastEnd);
            return in;
        }
        list.resize(size);
        for (size_t i = 0; i < list.size(); ++i) {
            list[i] = {qFromLittleEndian(numbers[2 * i]), qFromLittleEndian(numbers[2 * i + 1])};
        }
    }
    return in;
}

}  // namespace

BackupSummary summarize_backup(const QString& path) {
    md::DataStore backup;
    const md::LoadResult loaded = backup.load_team_file(path);
    BackupSummary summary;
    summary.status = loaded.status;
    summary.reason = loaded.reason;
    if (!loaded.ok()) {
        return summary;
    }
    summary.team_name = backup.team_name;
    summary.games = static_cast<int>(backup.game_lines.size());
    summary.lists = {marks_of(backup.game_lines, KeyOf::game),
                     marks_of(md::split_list(backup.member_list), KeyOf::same_text),
                     marks_of(md::split_list(backup.ground_list), KeyOf::same_text),
                     marks_of(md::split_list(backup.opponent_list), KeyOf::same_text),
                     marks_of(md::split_list(backup.recorder_list), KeyOf::same_text),
                     marks_of(backup.formation_lines, KeyOf::first_field),
                     marks_of(backup.meeting_lines, KeyOf::first_field)};
    return summary;
}

BackupSummaryCache::BackupSummaryCache(const QString& team_file) : path_(cache_path(team_file)) {
    const std::optional<QByteArray> bytes = md::read_whole_file(path_);
    if (!bytes) {
        return;
    }
    QDataStream in(*bytes);
    quint32 magic = 0;
    quint32 version = 0;
    quint32 count = 0;
    in >> magic >> version >> count;
    if (magic != cache_magic || version != cache_version) {
        return;
    }
    std::map<QString, Entry> read;
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        QString name;
        Entry entry;
        in >> name >> entry.size >> entry.changed >> entry.summary;
        read[name] = std::move(entry);
    }
    // A damaged cache is no cache.
    if (in.status() == QDataStream::Ok) {
        entries_ = std::move(read);
    }
}

const BackupSummary& BackupSummaryCache::summary(const md::BackupFile& backup) {
    const QFileInfo file(backup.path);
    const qint64 size = file.size();
    const qint64 changed = file.lastModified().toMSecsSinceEpoch();
    Entry& entry = entries_[file.fileName()];
    if (entry.size != size || entry.changed != changed) {
        entry = {size, changed, summarize_backup(backup.path)};
        made_ = true;
    }
    return entry.summary;
}

void BackupSummaryCache::save(const std::vector<md::BackupFile>& listed) const {
    if (!made_ && entries_.size() == listed.size()) {
        return;
    }
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    std::vector<std::pair<QString, const Entry*>> kept;
    for (const md::BackupFile& backup : listed) {
        const QString name = QFileInfo(backup.path).fileName();
        if (const auto found = entries_.find(name); found != entries_.end()) {
            kept.emplace_back(name, &found->second);
        }
    }
    out << cache_magic << cache_version << static_cast<quint32>(kept.size());
    for (const auto& [name, entry] : kept) {
        out << name << entry->size << entry->changed << entry->summary;
    }
    md::write_whole_file(path_, bytes);
}

}  // namespace kl
