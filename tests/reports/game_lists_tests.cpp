#include "reports/game_lists.h"
#include "store/data_store.h"
#include "support/game_builder.h"

#include <gtest/gtest.h>

namespace kl {
namespace {

using test::GameBuilder;

const QString one = QStringLiteral(u"1");
const QString zero = QStringLiteral(u"0");

QString score_of(const GameBuilder& game) {
    md::DataStore store;
    store.game_lines = {game.line()};
    return build_game_lists(store).rows.at(0).cells[2];
}

TEST(ScoreText, CountsGoalsAndShootOutKicksInEitherOrder) {
    EXPECT_EQ(score_of(GameBuilder()), QStringLiteral(u"0-0"));
    EXPECT_EQ(
        score_of(GameBuilder().goal(10, QStringLiteral(u"S9")).conceded(20).goal(30, QStringLiteral(u"S10"))),
        QStringLiteral(u"2-1"));

    // 1-1, won 5-4 on kicks: own team first, then the same kicks with the own team second.
    GameBuilder first;
    first.goal(10, QStringLiteral(u"S9")).conceded(20);
    QStringList first_kicks;
    QStringList second_kicks;
    for (int round = 0; round < 5; ++round) {
        const QString opponent = round == 4 ? zero : one;
        first_kicks += {one, QStringLiteral(u"S11"), opponent};
        second_kicks += {opponent, one, QStringLiteral(u"S11")};
    }
    GameBuilder second = first;
    first.add(md::compose_shoot_out(true, first_kicks));
    second.add(md::compose_shoot_out(false, second_kicks));
    EXPECT_EQ(score_of(first), QStringLiteral(u"1-1 (PK 5-4)"));
    EXPECT_EQ(score_of(second), QStringLiteral(u"1-1 (PK 5-4)"));

    // A shoot-out decided after the own kick of a round counts only the kicks taken.
    EXPECT_EQ(score_of(GameBuilder().add(
                  md::compose_shoot_out(true, {one, QStringLiteral(u"A"), zero, one, QStringLiteral(u"B"),
                                               one, one, QStringLiteral(u"C")}))),
              QStringLiteral(u"0-0 (PK 3-1)"));
}

std::vector<GameListRow> rows_of(const std::vector<GameBuilder>& games) {
    md::DataStore store;
    for (const GameBuilder& game : games) {
        store.game_lines.append(game.line());
    }
    return build_game_lists(store).rows;
}

QStringList column(const std::vector<GameListRow>& rows, size_t index) {
    QStringList texts;
    for (const GameListRow& row : rows) {
        texts.append(row.cells[index]);
    }
    return texts;
}

TEST(GameListRows, SortByTheTextOfTheClickedColumnKeepingTies) {
    GameBuilder a;
    a.date = QStringLiteral(u"2006/05/01");
    a.time = QStringLiteral(u"14:00");
    for (int i = 0; i < 10; ++i) {
        a.goal(i, QStringLiteral(u"S10"));
    }
    GameBuilder b;
    b.date = QStringLiteral(u"2006/05/01");
    b.time = QStringLiteral(u"09:30");
    b.opponent = QStringLiteral(u"赤坂SC");
    b.goal(5, QStringLiteral(u"S10")).goal(6, QStringLiteral(u"S10")).conceded(7);
    GameBuilder c;
    c.date = QStringLiteral(u"2006/04/01");
    c.meeting = QStringLiteral(u"カップ戦");

    std::vector<GameListRow> rows = rows_of({a, b, c});
    EXPECT_EQ(rows[0].cells[0], QStringLiteral(u"2006/05/01 14:00"));
    sort_game_rows(rows, 0);
    EXPECT_EQ(column(rows, 0),
              (QStringList{QStringLiteral(u"2006/04/01 10:00"), QStringLiteral(u"2006/05/01 09:30"),
                           QStringLiteral(u"2006/05/01 14:00")}));
    // Texts, not numbers: 10-0 sorts before 2-1.
    sort_game_rows(rows, 2);
    EXPECT_EQ(column(rows, 2),
              (QStringList{QStringLiteral(u"0-0"), QStringLiteral(u"10-0"), QStringLiteral(u"2-1")}));
    // 赤坂SC sorts before 青葉FC; the two games against 青葉FC keep the order they had.
    sort_game_rows(rows, 1);
    EXPECT_EQ(column(rows, 0),
              (QStringList{QStringLiteral(u"2006/05/01 09:30"), QStringLiteral(u"2006/04/01 10:00"),
                           QStringLiteral(u"2006/05/01 14:00")}));
    EXPECT_EQ(rows[0].game, 1);
}

TEST(GameListChoosers, HoldEveryGameAndTheDistinctMeetingsAndMembers) {
    GameBuilder first;
    first.meeting = QStringLiteral(u"練習試合");
    first.reserves = {QStringLiteral(u"控えだけ"), QString(), QStringLiteral(u"R3")};
    GameBuilder second;
    second.date = QStringLiteral(u"2006/03/01");
    GameBuilder third;
    third.meeting.clear();
    third.starters[4].clear();

    md::DataStore store;
    store.game_lines = {first.line(), second.line(), third.line()};
    const GameLists lists = build_game_lists(store);
    EXPECT_EQ(lists.period_keys,
              (QStringList{QStringLiteral(u"2006/04/01 10:00"), QStringLiteral(u"2006/03/01 10:00"),
                           QStringLiteral(u"2006/04/01 10:00")}));
    EXPECT_EQ(lists.detail_entries.at(1), QStringLiteral(u"2006/03/01 - 10:00 - 青葉FC - 市民グラウンド"));
    EXPECT_EQ(lists.meetings, (QStringList{QStringLiteral(u"リーグ戦"), QStringLiteral(u"練習試合")}));
    EXPECT_EQ(lists.members.size(), 15);
    EXPECT_TRUE(lists.members.contains(QStringLiteral(u"控えだけ")));
    EXPECT_FALSE(lists.members.contains(QString()));
    EXPECT_EQ(lists.members.front(), QStringLiteral(u"R1"));

    EXPECT_TRUE(build_game_lists(md::DataStore{}).rows.empty());
}

}  // namespace
}  // namespace kl
