#pragma once

#include "game_sheet.h"
#include "shared_names_rule.h"
#include "stats/season_charts.h"
#include "stats/stats_filter.h"
#include "store/game_record.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace kl {

// What the pictures made for sharing show, as texts; the print layer paints them. Every member
// name in them is already the name the setting shows (the games are read through shared_game).

// One game as its result picture shows it.
struct ResultPicture {
    QString meeting;
    QString date_line;  // "2024/05/18（土） 14:00"
    QString ground;
    QString team_name;
    QString opponent;
    QString own_total;
    QString opponent_total;
    QString shoot_out;  // "PK 4-3", or empty
    QString result;     // "勝ち", "引き分け", "負け"; "PK勝ち", "PK負け"
    GameResult outcome = GameResult::draw;
    QString periods;  // "前半 1-1　後半 2-0"

    // A line of the own side's column (goals and cards) or the opponent's (goals conceded).
    struct Event {
        QString minute;  // "12分"
        enum class Kind { goal, caution, sending_off, conceded } kind = Kind::goal;
        QString name;  // the scorer, the carded member; empty for a goal conceded
        QString detail;  // "（A 小林 蒼）" of an assisted goal, "ゴールデンゴール", "オウンゴール"
    };
    std::vector<Event> own_events;  // in minute order
    std::vector<Event> opponent_events;

    // The line-up on the pitch: each starting slot's position, its starter and who came on there.
    QString formation;
    struct Player {
        QString position;
        QString name;
        QStringList came_on;  // "→ 山田 奏太 41分", one per substitution into the slot
    };
    std::vector<Player> players;
};

ResultPicture result_picture(const md::GameRecord& shared_game, const QString& team_name);

// One member's card: the season (the games a filter chooses) or one game, for the member's family.
// It names that member and no other.
struct MemberCard {
    QString team_name;
    QString member;  // as the setting shows it
    QString title;   // "シーズンの記録", "試合の記録"
    QString scope;   // the period and meeting, or the game's date, opponent and meeting

    struct Figure {
        QString label;
        QString value;
        QString unit;
    };
    std::vector<Figure> figures;  // 出場, 出場時間, 出場率, 得点, アシスト (and cards when any)

    struct Position {
        QString position;
        int minutes = 0;
    };
    std::vector<Position> positions;  // the positions played, most minutes first

    // Of one game: what the member did, in order ("5分　得点（左足・中央（エリア内）・こぼれ球）",
    // "46分　途中出場（CH）"); no other member is named.
    QStringList moments;

    QString team_record;  // "5勝 1分 1敗　得点 14　失点 8", or the game's score and result
    struct Game {
        QString date;
        QString opponent;
        QString score;
        QString result;  // 勝, 分, 敗
        QString part;    // the member's share of it: "80分 ⚽2 A1", "出場なし"
    };
    std::vector<Game> games;  // in date order
};

// The season card: the member over the games filter chooses (filter_texts: the period and the
// meeting as the view shows them). shared_lines are the stored games read through shared_game_line,
// member the name the setting shows.
MemberCard season_card(const QString& team_name, const QStringList& shared_lines, const StatsFilter& filter,
                       const FilterTexts& filter_texts, const QString& member);
// A game chosen for the cards' list of games, computed once for every member: its result and who
// played how long.
struct GameOfSeason {
    GameBar bar;
    std::vector<SquadLine> squad;
};
// The games of shared_lines that filter chooses, in date order.
std::vector<GameOfSeason> games_of_season(const QStringList& shared_lines, const StatsFilter& filter);
// Each game with the member's part in it.
std::vector<MemberCard::Game> member_games(const std::vector<GameOfSeason>& games, const QString& member);
// The card of one game.
MemberCard game_card(const QString& team_name, const QString& shared_line, const QString& member);

// The file names offered for them: "さくらFC_2024-05-18_青葉FC.png", "さくらFC_S.S._2024-05-18.png".
QString result_picture_file_name(const QString& team_name, const md::GameRecord& game);
QString member_card_file_name(const QString& team_name, const QString& shown_member,
                              const QString& game_date);

}  // namespace kl
