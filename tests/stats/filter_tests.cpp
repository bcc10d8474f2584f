#include "stats/stats_filter.h"
#include "support/game_builder.h"

#include <gtest/gtest.h>

namespace kl {
namespace {

QString message_of(StatsView view, const StatsFilter& filter, const QString& member = QStringLiteral(u"A")) {
    const std::optional<md::UserMessage> message = validate_filter(view, filter, member);
    EXPECT_TRUE(!message || message->title == QStringLiteral(u"入力エラー"));
    return message ? message->text : QString();
}

TEST(StatsFilterChecks, ComeInTheirOrderWithEachViewsFullStops) {
    const QString early = QStringLiteral(u"2006/04/01 10:00");
    const QString late = QStringLiteral(u"2006/05/01 10:00");
    StatsFilter everything_wrong{true, late, early, true, {}};
    EXPECT_EQ(message_of(StatsView::personal, everything_wrong, {}),
              QStringLiteral(u"「メンバー」　を選択して下さい。"));
    EXPECT_EQ(message_of(StatsView::team, {true, {}, late, true, {}}),
              QStringLiteral(u"「期間」　を選択して下さい。"));
    EXPECT_EQ(message_of(StatsView::team, everything_wrong),
              QStringLiteral(u"左ボックスは右ボックスより前の日付を選択して下さい。。"));
    EXPECT_EQ(message_of(StatsView::personal, everything_wrong),
              QStringLiteral(u"左ボックスは右ボックスより前の日付を選択して下さい。"));
    EXPECT_EQ(message_of(StatsView::team, {true, early, early, true, {}}),
              QStringLiteral(u"「大会名」　を選択して下さい。"));
    EXPECT_EQ(message_of(StatsView::team, {false, {}, {}, false, {}}), QString());
}

TEST(SelectGames, ComparesKeysAsTextAndMeetingsExactly) {
    test::GameBuilder game;
    game.time = QStringLiteral(u"10:00");
    const md::GameRecord record = game.record();
    const QString key = QStringLiteral(u"2006/04/01 10:00");
    EXPECT_TRUE(select_games({true, key, key, false, {}}, record));
    EXPECT_FALSE(select_games({true, QStringLiteral(u"2006/04/01 10:05"), QStringLiteral(u"2007"), false, {}},
                              record));
    // A period between keys covers every game whose key sorts between them.
    EXPECT_TRUE(
        select_games({true, QStringLiteral(u"2006/03"), QStringLiteral(u"2006/05"), false, {}}, record));
    EXPECT_TRUE(select_games({false, {}, {}, true, QStringLiteral(u"リーグ戦")}, record));
    EXPECT_FALSE(select_games({false, {}, {}, true, QStringLiteral(u"リーグ")}, record));
}

TEST(FilterTexts, ShowTheWholeRangeAndEveryMeetingWhenUnchecked) {
    const QStringList keys = {QStringLiteral(u"2006/04/01 10:00"), QStringLiteral(u"2006/03/01 10:00"),
                              QStringLiteral(u"2006/05/01 10:00")};
    const QStringList meetings = {QStringLiteral(u"カップ"), QStringLiteral(u"リーグ")};
    const std::optional<FilterTexts> unchecked = filter_texts({}, keys, meetings, 3);
    ASSERT_TRUE(unchecked);
    EXPECT_EQ(unchecked->from, keys[0]);
    EXPECT_EQ(unchecked->to, keys[2]);
    EXPECT_EQ(unchecked->to_entry, 2);
    EXPECT_EQ(unchecked->meeting, QStringLiteral(u"カップ , リーグ"));
    EXPECT_EQ(unchecked->meeting_entry, 1);

    const std::optional<FilterTexts> checked =
        filter_texts({true, keys[1], keys[0], true, meetings[1]}, keys, meetings, 3);
    EXPECT_EQ(checked->from, keys[1]);
    EXPECT_EQ(checked->meeting, meetings[1]);
    EXPECT_FALSE(checked->from_entry);

    EXPECT_FALSE(filter_texts({}, {}, {}, 0));
}

}  // namespace
}  // namespace kl
