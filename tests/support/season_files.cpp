#include "support/season_files.h"

#include "store/event_composer.h"
#include "support/game_builder.h"
#include "support/test_files.h"

namespace kl::test {
namespace {

const QString caution = QStringLiteral(u"警告");
const QString sending_off = QStringLiteral(u"退場");
const QString cf = QStringLiteral(u"CF");

GameBuilder game_on(const QString& date, const QString& opponent) {
    GameBuilder game;
    game.date = date;
    game.opponent = opponent;
    return game;
}

// rounds kicks each side, the own team first; own and theirs kicks of them scored.
QStringList kicks(int rounds, int own, int theirs) {
    QStringList fields;
    for (int round = 0; round < rounds; ++round) {
        fields += {round < own ? QStringLiteral(u"1") : QStringLiteral(u"0"), QStringLiteral(u"S11"),
                   round < theirs ? QStringLiteral(u"1") : QStringLiteral(u"0")};
    }
    return md::compose_shoot_out(true, fields);
}

GameBuilder cup_game(const QString& date, const QString& opponent) {
    GameBuilder game = game_on(date, opponent);
    game.meeting = QStringLiteral(u"カップ戦");
    game.with_extra_time(QStringLiteral(u"前・後半"), 20).with_shoot_out();
    return game;
}

void write_team(const QString& file, const QString& team, const QString& members,
                const std::initializer_list<GameBuilder>& games) {
    QStringList lines = {QStringLiteral(u"[チーム名]"), team, QStringLiteral(u"[メンバー]"), members,
                         QStringLiteral(u"[試合データ]")};
    QStringList game_lines;
    for (const GameBuilder& game : games) {
        game_lines.append(game.line());
    }
    md::sort_game_lines(game_lines);
    write_cp932_lines(file, lines + game_lines);
}

const QString squad = QStringLiteral(u"S1,S2,S3,S4,S5,S6,S7,S8,S9,S10,S11,R1,R2,R3");

}  // namespace

void write_season_files() {
    GameBuilder g1 = game_on(QStringLiteral(u"2023/05/03"), QStringLiteral(u"青葉FC"));
    g1.goal(10, QStringLiteral(u"S10"), QStringLiteral(u"S11"))
        .add(md::compose_position_change(QStringLiteral(u"45"), QStringLiteral(u"SH"), QStringLiteral(u"S10"),
                                         cf, QStringLiteral(u"S9")))
        .goal(50, QStringLiteral(u"S9"))
        .conceded(70);
    GameBuilder g2 = game_on(QStringLiteral(u"2023/06/10"), QStringLiteral(u"赤坂SC"));
    g2.card(30, caution, QStringLiteral(u"S10"))
        .substitution(60, cf, QStringLiteral(u"R1"), QStringLiteral(u"S10"));
    g2.conceded(80);
    write_team(season_2023, QStringLiteral(u"さくらFC 2023"), squad + QStringLiteral(u",OLD"), {g1, g2});

    GameBuilder g3 = game_on(QStringLiteral(u"2024/05/04"), QStringLiteral(u"青葉FC"));
    g3.eight_a_side()
        .substitution(20, cf, QStringLiteral(u"R1"), QStringLiteral(u"S10"))
        .substitution(35, cf, QStringLiteral(u"S10"), QStringLiteral(u"R1"))
        .goal(38, QStringLiteral(u"S10"));
    GameBuilder g4 = game_on(QStringLiteral(u"2024/06/01"), QStringLiteral(u"白山FC"));
    g4.eight_a_side();
    g4.starters[9] = QStringLiteral(u"R3");
    g4.reserves = {QStringLiteral(u"R1"), QStringLiteral(u"R2"), QStringLiteral(u"S10")};
    g4.conceded(5).conceded(15).substitution(30, cf, QStringLiteral(u"S10"), QStringLiteral(u"R3"));
    g4.goal(39, QStringLiteral(u"S11"), QStringLiteral(u"S10"));
    write_team(season_2024, QStringLiteral(u"さくらFC 2024"), squad, {g3, g4});

    GameBuilder g5 = cup_game(QStringLiteral(u"2025/05/05"), QStringLiteral(u"青葉FC"));
    g5.goal(30, QStringLiteral(u"S10")).conceded(60).add(kicks(5, 4, 3));
    GameBuilder g6 = cup_game(QStringLiteral(u"2025/06/07"), QStringLiteral(u"赤坂SC"));
    g6.card(100, sending_off, QStringLiteral(u"S10")).add(kicks(3, 2, 3));
    GameBuilder g7 = game_on(QStringLiteral(u"2025/07/01"), QStringLiteral(u"白山FC"));
    g7.starters[9] = QStringLiteral(u"R3");
    g7.reserves = {QStringLiteral(u"R1"), QStringLiteral(u"R2")};
    g7.goal(10, QStringLiteral(u"R3")).conceded(20);
    write_team(season_2025, QStringLiteral(u"さくらFC 2025"), squad, {g5, g6, g7});

    GameBuilder other = game_on(QStringLiteral(u"2024/05/04"), QStringLiteral(u"さくらFC"));
    other.goal(5, QStringLiteral(u"S10")).goal(6, QStringLiteral(u"S10"));
    write_team(other_team, QStringLiteral(u"青葉FC 2024"), squad, {other});

    write_cp932_lines(unreadable_season,
                      {QStringLiteral(u"[チーム名]"), QStringLiteral(u"壊れたFC"),
                       QStringLiteral(u"[試合データ]"), QStringLiteral(u"#,2024/01/01,壊れた行")});
}

}  // namespace kl::test
