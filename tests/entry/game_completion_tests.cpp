#include "entry/game_completion.h"
#include "support/game_builder.h"

#include <gtest/gtest.h>

namespace kl {
namespace {

QStringList fixed_fields(const test::GameBuilder& game) {
    return game.line().split(u',').mid(1, 43);
}

TEST(GameCompletion, StoresTheRecordInSortedOrder) {
    md::DataStore store;
    test::GameBuilder later;
    later.recorder = QStringLiteral(u"B");
    store.game_lines = {later.line()};
    test::GameBuilder game;
    game.recorder = QStringLiteral(u"A");
    game.date = QStringLiteral(u"2007/01/01");
    ASSERT_FALSE(complete_game(store, fixed_fields(game), 0, std::nullopt));
    ASSERT_EQ(store.game_lines.size(), 2);
    EXPECT_EQ(store.game_lines[0], game.line());
    EXPECT_TRUE(store.game_lines[0].endsWith(QStringLiteral(u",R3,,,,,,,##")));
}

TEST(GameCompletion, AddsEachTypedNameOnce) {
    md::DataStore store;
    store.ground_list = QStringLiteral(u"市民グラウンド");
    TypedNames typed;
    typed.recorder = QStringLiteral(u"新しい記録者");
    typed.ground = QStringLiteral(u"市民グラウンド");
    typed.grounds = {QStringLiteral(u"市民グラウンド")};
    typed.opponent = QStringLiteral(u"新FC");
    typed.members[0] = QStringLiteral(u"A");
    typed.members[1] = QStringLiteral(u"B");
    typed.members[11] = QStringLiteral(u"C");
    ASSERT_FALSE(complete_game(store, fixed_fields(test::GameBuilder()), 0, typed));
    EXPECT_EQ(store.recorder_list, QStringLiteral(u"新しい記録者"));
    EXPECT_EQ(store.ground_list, QStringLiteral(u"市民グラウンド"));
    EXPECT_EQ(store.opponent_list, QStringLiteral(u"新FC"));
    EXPECT_EQ(store.member_list, QStringLiteral(u"A,B,C"));

    store.member_list = QStringLiteral(u"A,X");
    typed.member_check = {QStringLiteral(u"A"), QStringLiteral(u"X")};
    typed.recorders = {QStringLiteral(u"新しい記録者")};
    test::GameBuilder second;
    second.date = QStringLiteral(u"2006/05/05");
    ASSERT_FALSE(complete_game(store, fixed_fields(second), 0, typed));
    EXPECT_EQ(store.member_list, QStringLiteral(u"A,X,B,C"));
    EXPECT_EQ(store.recorder_list, QStringLiteral(u"新しい記録者"));
}

TEST(GameCompletion, RefusesAGameTheFileCouldNotHold) {
    md::DataStore store;
    store.game_lines = QStringList(10001, test::GameBuilder().line());
    const std::optional<md::UserMessage> refusal =
        complete_game(store, fixed_fields(test::GameBuilder()), 0, std::nullopt);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->text, QStringLiteral(u"これ以上　「試合データ」　を保存できません。"));
    EXPECT_EQ(store.game_lines.size(), 10001);
}

}  // namespace
}  // namespace kl
