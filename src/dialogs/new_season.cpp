#include "new_season.h"

#include "file_dialogs.h"
#include "store/game_record.h"
#include "store/master_lists.h"
#include "store/team_year.h"
#include "store/text_order.h"

#include <QDate>
#include <QFileInfo>
#include <algorithm>

namespace kl {
namespace {

// The year of the open file's first game: the season the file holds.
std::optional<int> first_game_year(const md::DataStore& open) {
    std::optional<int> first;
    for (const QString& line : open.game_lines) {
        const std::vector<QStringView> fields = md::split_record_line(line);
        if (static_cast<size_t>(md::record::date) >= fields.size()) {
            continue;
        }
        const QDate date = QDate::fromString(fields[static_cast<size_t>(md::record::date)].toString(),
                                             QStringLiteral(u"yyyy/MM/dd"));
        if (date.isValid()) {
            first = first ? std::min(*first, date.year()) : date.year();
        }
    }
    return first;
}

bool same_file(const QString& a, const QString& b) {
    const QFileInfo first(a);
    const QFileInfo second(b);
    if (first.exists() && second.exists()) {
        return first.canonicalFilePath() == second.canonicalFilePath();
    }
    return first.absoluteFilePath() == second.absoluteFilePath();
}

}  // namespace

NewSeasonNames next_season_names(const md::DataStore& open, int this_year) {
    if (const std::optional<md::YearInName> year = md::year_in_name(open.team_name)) {
        const QString team = md::with_year(open.team_name, year->year + 1);
        return {team, team};
    }
    const int next = first_game_year(open).value_or(this_year) + 1;
    return {open.team_name, open.team_name + u' ' + QString::number(next)};
}

QStringList season_members(const md::DataStore& open) {
    QStringList members;
    for (const QString& name : md::split_list(open.member_list)) {
        if (!name.isEmpty() && !members.contains(name)) {
            members.append(name);
        }
    }
    md::sort_texts(members);
    return members;
}

md::DataStore next_season_store(const md::DataStore& open, const QStringList& kept_members,
                                const QString& team_name) {
    md::DataStore next;
    next.team_name = team_name;
    QStringList members = md::split_list(open.member_list);
    members.erase(std::remove_if(members.begin(), members.end(),
                                 [&](const QString& name) { return !kept_members.contains(name); }),
                  members.end());
    next.member_list = members.join(u',');
    next.ground_list = open.ground_list;
    next.opponent_list = open.opponent_list;
    next.recorder_list = open.recorder_list;
    next.formation_lines = open.formation_lines;
    next.meeting_lines = open.meeting_lines;
    return next;
}

std::optional<md::UserMessage> check_next_season(const md::DataStore& open, const QString& team_name,
                                                 const QString& file_base) {
    if (std::optional<md::UserMessage> refusal = check_new_file(team_name, false, file_base)) {
        return refusal;
    }
    const QString file = next_season_file(file_base);
    if (!open.data_file_path.isEmpty() && same_file(file, open.data_file_path)) {
        return md::UserMessage{
            md::input_error_title,
            QStringLiteral(u"「") + file +
                QStringLiteral(u"」　は開いているファイルです。別のファイル名を入力して下さい。")};
    }
    return std::nullopt;
}

QString next_season_file(const QString& file_base) {
    return new_file_name({}, false, file_base);
}

std::optional<md::UserMessage> write_next_season(const md::DataStore& open, const QStringList& kept_members,
                                                 const QString& team_name, const QString& file) {
    md::DataStore next = next_season_store(open, kept_members, team_name);
    next.data_file_path = file;
    if (const md::SaveResult saved = next.save_team_data(); !saved.ok) {
        return saved.message();
    }
    return std::nullopt;
}

}  // namespace kl
