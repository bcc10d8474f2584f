#include "career_texts.h"

#include "season_texts.h"
#include "stats/player_stats.h"
#include "store/numbers.h"
#include "store/team_year.h"

#include <QFileInfo>

namespace kl {
namespace {

const QString crlf = QStringLiteral(u"\r\n");
const QString wide_space = QStringLiteral(u"　");

QString n(int value) {
    return QString::number(value);
}

template <size_t N>
QString tab_line(const std::array<QString, N>& cells) {
    return QStringList(cells.begin(), cells.end()).join(u'\t') + crlf;
}

QString tab_line(const QStringList& cells) {
    return cells.join(u'\t') + crlf;
}

// A block of the report text: its title, its header and rows, and the empty line that ends it.
template <size_t N>
QString block(const QString& title, const QStringList& headers,
              const std::vector<std::array<QString, N>>& rows) {
    QString text = title + crlf + tab_line(headers);
    for (const auto& row : rows) {
        text += tab_line(row);
    }
    return text + crlf;
}

CareerTableRow table_row(const QString& file, const QString& team_name, const SquadLine& line) {
    return {file,
            team_name,
            n(line.games),
            n(line.starts),
            n(line.minutes),
            percent_text(minutes_share(line.minutes, line.minutes_named)),
            n(line.goals),
            n(line.assists),
            n(line.cautions),
            n(line.sendings_off)};
}

QString year_of(const QString& date) {
    return date.left(4);
}

}  // namespace

QString season_file_name(const QString& file) {
    return QFileInfo(file).fileName();
}

QString season_date_range(const SeasonRecord& season) {
    if (season.games.empty()) {
        return QStringLiteral(u"試合なし");
    }
    return season.first_date() + u'～' + season.last_date();
}

QString season_file_entry(const SeasonRecord& season) {
    return season.file + wide_space + season.team_name + wide_space + season_date_range(season);
}

QString unreadable_file_entry(const QString& file) {
    return file + wide_space + QStringLiteral(u"（読み込めません）");
}

const CareerTableRow& career_headers() {
    static const CareerTableRow headers = {QStringLiteral(u"ファイル"), QStringLiteral(u"チーム名"),
                                           QStringLiteral(u"出場"),     QStringLiteral(u"先発"),
                                           QStringLiteral(u"出場時間"), QStringLiteral(u"出場率"),
                                           QStringLiteral(u"得点"),     QStringLiteral(u"アシスト"),
                                           QStringLiteral(u"警告"),     QStringLiteral(u"退場")};
    return headers;
}

std::vector<CareerTableRow> career_table_rows(const Career& career) {
    std::vector<CareerTableRow> rows;
    for (const CareerRow& row : career.rows) {
        rows.push_back(table_row(season_file_name(row.file), row.team_name, row.line));
    }
    rows.push_back(table_row(QStringLiteral(u"通算"), QString(), career.total));
    return rows;
}

std::vector<std::array<QString, 2>> career_position_rows(const Career& career) {
    std::vector<std::array<QString, 2>> rows;
    for (size_t row = 1; row < career.positions.size(); ++row) {
        const int minutes = career.positions[row].minutes;
        if (minutes != 0) {
            rows.push_back({position_row_labels()[row], n(minutes)});
        }
    }
    return rows;
}

QString milestone_text(const Milestone& milestone) {
    const bool first = milestone.count == 1;
    switch (milestone.kind) {
        case MilestoneKind::games:
            return first ? QStringLiteral(u"初出場") : n(milestone.count) + QStringLiteral(u"試合出場");
        case MilestoneKind::goals:
            return first ? QStringLiteral(u"初得点")
                         : QStringLiteral(u"通算") + n(milestone.count) + QStringLiteral(u"得点");
        case MilestoneKind::assists:
            break;
    }
    return first ? QStringLiteral(u"初アシスト")
                 : QStringLiteral(u"通算") + n(milestone.count) + QStringLiteral(u"アシスト");
}

std::vector<std::array<QString, 3>> milestone_rows(const Career& career) {
    std::vector<std::array<QString, 3>> rows;
    for (const Milestone& milestone : career.milestones) {
        rows.push_back({milestone.date, milestone_text(milestone), milestone.opponent});
    }
    return rows;
}

QString goal_games_text(const Career& career) {
    if (career.goal_games.empty()) {
        return QStringLiteral(u"なし");
    }
    QStringList games;
    for (const GoalGame& game : career.goal_games) {
        games.append(game.date + u' ' + game.opponent + u' ' + n(game.goals));
    }
    return games.join(u'、');
}

QString career_table_text(const Career& career) {
    QString text = tab_line(career_headers());
    for (const CareerTableRow& row : career_table_rows(career)) {
        text += tab_line(row);
    }
    return text;
}

QString career_copy_text(const Career& career) {
    std::vector<std::array<QString, 4>> goals;
    for (const GoalGame& game : career.goal_games) {
        goals.push_back({game.date, game.opponent, game.meeting, n(game.goals)});
    }
    return QStringLiteral(u"通算成績　") + career.member + crlf + career_table_text(career) + crlf +
           block(QStringLiteral(u"ポジション"), {QStringLiteral(u"ポジション"), QStringLiteral(u"出場時間")},
                 career_position_rows(career)) +
           block(QStringLiteral(u"記録"),
                 {QStringLiteral(u"日付"), QStringLiteral(u"記録"), QStringLiteral(u"対戦相手")},
                 milestone_rows(career)) +
           block(QStringLiteral(u"得点"),
                 {QStringLiteral(u"日付"), QStringLiteral(u"対戦相手"), QStringLiteral(u"大会名"),
                  QStringLiteral(u"得点")},
                 goals);
}

const HeadToHeadRow& h2h_headers() {
    static const HeadToHeadRow headers = {QStringLiteral(u"対戦相手"), QStringLiteral(u"試合"),
                                          QStringLiteral(u"勝"),       QStringLiteral(u"分"),
                                          QStringLiteral(u"敗"),       QStringLiteral(u"得点"),
                                          QStringLiteral(u"失点"),     QStringLiteral(u"最終対戦")};
    return headers;
}

HeadToHeadRow h2h_row(const OpponentRecord& record) {
    const QString last = record.last ? record.last->date + u' ' + game_bar_score(*record.last) : QString();
    return {record.opponent,  n(record.games),     n(record.wins),     n(record.draws),
            n(record.losses), n(record.goals_for), n(record.conceded), last};
}

QString h2h_table_text(const std::vector<OpponentRecord>& records) {
    QString text = tab_line(h2h_headers());
    for (const OpponentRecord& record : records) {
        text += tab_line(h2h_row(record));
    }
    return text;
}

QString record_line(const OpponentRecord& record) {
    return QStringLiteral(u"対戦成績: ") + n(record.wins) + QStringLiteral(u"勝 ") + n(record.draws) +
           QStringLiteral(u"分 ") + n(record.losses) + u'敗';
}

QString seasons_years(const std::vector<const SeasonRecord*>& seasons) {
    QString first;
    QString last;
    for (const SeasonRecord* season : seasons) {
        for (const GameBar& game : season->games) {
            const QString year = year_of(game.date);
            first = first.isEmpty() || year < first ? year : first;
            last = year > last ? year : last;
        }
    }
    if (first.isEmpty()) {
        return {};
    }
    return first == last ? first + u'年' : first + QStringLiteral(u"年～") + last + u'年';
}

QString seasons_team_names(const std::vector<const SeasonRecord*>& seasons) {
    QStringList names;
    for (const SeasonRecord* season : seasons) {
        const QString name = md::without_year(season->team_name);
        if (!names.contains(name)) {
            names.append(name);
        }
    }
    return names.join(u'・');
}

}  // namespace kl
