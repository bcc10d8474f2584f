#include "view_documents.h"

#include "reports/game_analysis.h"
#include "reports/game_sheet.h"
#include "score_sheet_drawings.h"
#include "store/data_store.h"
#include "store/text_file.h"
#include "store/vocabulary.h"

#include <utility>

namespace kl {
namespace {

const QString none_text = QStringLiteral(u"なし");
const std::vector<int> value_columns = {1, 2, 3, 4, 5};

PrintDocument titled(const QString& team_name, const QString& view_title, const QDate& date) {
    return PrintDocument{PageHeading{team_name, view_title, date}, {}};
}

QString minutes(const QString& time) {
    return time + QStringLiteral(u"分");
}

// A section of the score sheet: its heading, then its table, or "なし" when it has no rows.
void sheet_section(PrintDocument& document, const QString& heading, TableBlock table) {
    document.section(heading);
    if (table.rows.empty()) {
        document.text(none_text);
    } else {
        document.table(std::move(table));
    }
}

// The sheet's texts in its order, so that the printed sheet reads as the view and its copy text:
// " （右足 , 中央（エリア内） , 被アシスト）" in place of a bare list of details.
QString detail_text(const md::GoalDetail& detail) {
    return detail_group(detail).trimmed();
}

TableBlock goals_table(const md::GameRecord& game, const QString& team_name) {
    TableBlock table{{QStringLiteral(u"時間"), QStringLiteral(u"チーム"), QStringLiteral(u"得点者"),
                      QStringLiteral(u"フィニッシュ"), QString(), QStringLiteral(u"アシスト"),
                      QStringLiteral(u"アシスト・1プレー前")},
                     {},
                     {}};
    const QString from = QStringLiteral(u"←");
    for (const md::GameEvent& event : game.events) {
        if (event.kind == md::EventKind::Goal) {
            const bool assisted = !event.assister().isEmpty();
            table.rows.push_back({minutes(event.time()), side_with_mark(team_name, event), event.scorer(),
                                  detail_text(event.finish()), assisted ? from : QString(), event.assister(),
                                  assisted ? detail_text(event.assist()) : QString()});
        } else if (event.kind == md::EventKind::Conceded) {
            table.rows.push_back({minutes(event.time()), side_with_mark(game.opponent(), event), QString(),
                                  detail_text(event.finish()), from, QString(),
                                  detail_text(event.play_before())});
        }
    }
    return table;
}

TableBlock cards_table(const md::GameRecord& game) {
    TableBlock table{
        {QStringLiteral(u"時間"), QStringLiteral(u"警告・退場"), QStringLiteral(u"選手")}, {}, {}};
    for (const md::GameEvent& event : game.events) {
        if (event.kind == md::EventKind::Card) {
            table.rows.push_back({minutes(event.time()), u'[' + event.card() + u']', event.carded_member()});
        }
    }
    return table;
}

// Per slot, as the sheet lists it: the minutes of its first holder with the position, then each
// later holder after "→" with the minute of coming on.
TableBlock starters_table(const GameAnalysis& analysis) {
    TableBlock table{{QStringLiteral(u"出場時間"), QStringLiteral(u"ポジション"), QStringLiteral(u"選手"),
                      QStringLiteral(u"交代")},
                     {},
                     {0}};
    for (const StartingSlot& slot : analysis.starting_slots) {
        if (slot.holders.empty()) {
            table.rows.push_back(
                {minutes(QString::number(analysis.game_length)), slot.position, QString(), QString()});
            continue;
        }
        int came_on = 0;
        for (size_t i = 0; i < slot.holders.size(); ++i) {
            const SlotHolder& holder = slot.holders[i];
            table.rows.push_back(
                {minutes(QString::number(holder.minutes)), i == 0 ? slot.position : QString(),
                 i == 0 ? holder.name : QStringLiteral(u"→　") + holder.name,
                 i == 0 ? QString() : minutes(QString::number(came_on)) + QStringLiteral(u"から")});
            came_on += holder.minutes;
        }
    }
    return table;
}

QString reserves_line(const md::GameRecord& game) {
    QStringList names;
    for (int slot = 0; slot < md::record::reserve_slots; ++slot) {
        if (!game.reserve(slot).isEmpty()) {
            names.append(game.reserve(slot));
        }
    }
    return names.isEmpty() ? none_text : names.join(u'、');
}

TableBlock others_table(const md::GameRecord& game) {
    TableBlock table{{QStringLiteral(u"時間"), QStringLiteral(u"内容"), QStringLiteral(u"詳細")}, {}, {}};
    for (const md::GameEvent& event : game.events) {
        if (event.kind == md::EventKind::PositionChange) {
            table.rows.push_back({minutes(event.time()), u'[' + md::words::position_change + u']',
                                  event.new_position_1() + QStringLiteral(u" - ") + event.member_1() +
                                      QStringLiteral(u" , ") + event.new_position_2() +
                                      QStringLiteral(u" - ") + event.member_2()});
        } else if (event.kind == md::EventKind::FormationChange) {
            table.rows.push_back({minutes(event.time()), u'[' + md::words::formation_change + u']',
                                  game.formation() + QStringLiteral(u" → ") + event.new_formation()});
        }
    }
    return table;
}

// The shoot-out round by round, across: both sides' results and the own kickers.
TableBlock kicks_table(const ScoreSheetForm& form) {
    TableBlock table{
        {QStringLiteral(u"回")}, {{form.team_name}, {QStringLiteral(u"キッカー")}, {form.opponent}}, {}};
    for (size_t i = 0; i < form.rounds.size(); ++i) {
        const ScoreSheetForm::Round& round = form.rounds[i];
        table.headers.append(QString::number(i + 1));
        table.rows[0].append(round.own);
        table.rows[1].append(round.kicker);
        table.rows[2].append(round.opponent);
    }
    return table;
}

QString filter_line(const QString& from, const QString& to) {
    return QStringLiteral(u"期間 ") + from + QStringLiteral(u" ～ ") + to;
}

TableBlock stats_table(StatsList list, const std::vector<StatsRow>& rows) {
    TableBlock table{stats_list_headers(list), {}, value_columns};
    for (const StatsRow& row : rows) {
        table.rows.push_back(QStringList(row.begin(), row.end()));
    }
    return table;
}

// Counts by body part, area and action side by side, as the personal view lists them.
template <size_t Actions>
TableBlock breakdown_table(const std::array<int, 4>& body, const std::array<int, 5>& area,
                           const std::array<QString, Actions>& action_labels,
                           const std::array<int, Actions>& action) {
    TableBlock table{{QStringLiteral(u"部位"), QString(), QStringLiteral(u"ポジション"), QString(),
                      QStringLiteral(u"アクション"), QString()},
                     {},
                     {1, 3, 5}};
    const auto pair = [](const auto& labels, const auto& counts, size_t i) {
        return i < counts.size() ? QStringList{labels[i], QString::number(counts[i])} : QStringList{{}, {}};
    };
    for (size_t i = 0; i < Actions; ++i) {
        table.rows.push_back(pair(md::words::goal_body_parts, body, i) + pair(md::words::areas, area, i) +
                             pair(action_labels, action, i));
    }
    return table;
}

}  // namespace

PrintDocument game_list_document(const QString& team_name, const QDate& date,
                                 const std::vector<GameListRow>& rows) {
    PrintDocument document = titled(team_name, QStringLiteral(u"試合データ一覧"), date);
    TableBlock table{{QStringLiteral(u"日付"), QStringLiteral(u"対戦相手"), QStringLiteral(u"スコア"),
                      QStringLiteral(u"大会名"), QStringLiteral(u"場所")},
                     {},
                     {}};
    for (const GameListRow& row : rows) {
        table.rows.push_back(QStringList(row.cells.begin(), row.cells.end()));
    }
    return document.table(std::move(table));
}

PrintDocument game_detail_document(const QString& team_name, const QDate& date, const md::GameRecord& game) {
    PrintDocument document = titled(team_name, QStringLiteral(u"試合データ詳細"), date);
    const GameAnalysis analysis = analyse_game(game);
    const SheetScore score = sheet_score(compose_game_sheet(game, team_name));
    // On paper the header line's wide blanks are narrow ones: the line keeps to one line more often.
    document.title(game_header_line(game).replace(u'\u3000', u' ')).drawing(score_table_drawing(score));
    const ScoreSheetForm form = filled_score_sheet(game, team_name);
    const bool kicks_shown =
        std::any_of(score.rows.begin(), score.rows.end(),
                    [](const SheetScore::Row& row) { return row.label == QStringLiteral(u"PK"); });
    if (kicks_shown && !form.rounds.empty()) {
        sheet_section(document, QStringLiteral(u"PK戦（") + form.kicks_first + QStringLiteral(u"）"),
                      kicks_table(form));
    }
    sheet_section(document, QStringLiteral(u"得失点内容"), goals_table(game, team_name));
    sheet_section(document, QStringLiteral(u"警告・退場"), cards_table(game));
    sheet_section(document, QStringLiteral(u"スターティングメンバー [") + game.formation() + u']',
                  starters_table(analysis));
    document.section(QStringLiteral(u"リザーブメンバー")).text(reserves_line(game));
    sheet_section(document, QStringLiteral(u"その他"), others_table(game));
    return document;
}

PrintDocument team_data_document(const QString& team_name, const QDate& date,
                                 const TeamViewContent& content) {
    PrintDocument document = titled(team_name, QStringLiteral(u"チームデータ"), date);
    document.text(filter_line(content.from, content.to))
        .text(QStringLiteral(u"大会名 ") + content.meeting)
        .gap(2)
        .section(content.totals_line)
        .table(stats_table(StatsList::team, content.rows));
    return document;
}

PrintDocument personal_data_document(const QString& team_name, const QDate& date,
                                     const PersonalViewContent& content, const PersonalStats& stats) {
    PrintDocument document = titled(team_name, QStringLiteral(u"個人データ"), date);
    const DetailTally& d = stats.details;
    document.title(QStringLiteral(u"メンバー ") + content.member)
        .text(filter_line(content.from, content.to))
        .text(QStringLiteral(u"大会名 ") + content.meeting)
        .gap(2)
        .table(stats_table(StatsList::personal, content.rows))
        .section(QStringLiteral(u"得点数 ") + QString::number(stats.positions[0].goals))
        .table(breakdown_table(d.goal_body, d.goal_area, md::words::finish_actions, d.goal_action))
        .section(QStringLiteral(u"アシスト数 ") + QString::number(stats.positions[0].assists))
        .table(breakdown_table(d.assist_body, d.assist_area, md::words::assist_actions, d.assist_action));
    return document;
}

PrintDocument graph_data_document(const QString& team_name, const QDate& date, const FilterTexts& filter,
                                  const QString& page_title, DrawingBlock charts) {
    PrintDocument document = titled(team_name, QStringLiteral(u"グラフ"), date);
    document.text(filter_line(filter.from, filter.to))
        .text(QStringLiteral(u"大会名 ") + filter.meeting)
        .gap(2)
        .section(page_title)
        .drawing(std::move(charts));
    return document;
}

PrintDocument score_sheet_form_document(const ScoreSheetForm& form) {
    return PrintDocument{}.drawing(score_sheet_form_drawing(form));
}

ScoreSheetForm demo_score_sheet() {
    const QString demo = QStringLiteral(u":/samples/demo.kld");
    md::DataStore season;
    const std::optional<QByteArray> bytes = md::read_whole_file(demo);
    if (!bytes || !season.load_team_bytes(*bytes, demo).ok()) {
        return {};
    }
    const std::optional<md::GameRecord> game = sample_game(season.game_lines);
    return game ? filled_score_sheet(*game, season.team_name) : ScoreSheetForm{};
}

}  // namespace kl
