#include "page_support.h"

#include <gtest/gtest.h>

namespace kl {
namespace {

using test::choose;
using test::page_of;
using test::refusal_of;

TEST(EventPage, StartsFromTheLineUpAndTheMeeting) {
    test::GameBuilder game;
    game.reserves = {QStringLiteral(u"R1"), QString(), QStringLiteral(u"R3")};
    EventPage page = page_of(game);
    EXPECT_EQ(page.state().pitch[0].position, QStringLiteral(u"GK"));
    EXPECT_EQ(page.state().pitch[10].member, QStringLiteral(u"S11"));
    EXPECT_EQ(page.state().reserves, QStringList{QStringLiteral(u"R1")});
    EXPECT_EQ(page.time_label(), QStringLiteral(u"時間 （0 分 - 90 分）"));
    EXPECT_EQ(page.time_text(), QStringLiteral(u"0"));
    EXPECT_EQ(page.state().kind, KindOption::substitution);
    EXPECT_FALSE(page.state().controls.extra_button);
    EXPECT_FALSE(page.state().controls.shoot_out_button);
    EXPECT_EQ(page.state().event_fields.size(), 43);
    EXPECT_TRUE(page_of(test::GameBuilder().with_extra_time(QStringLiteral(u"前・後半"), 30))
                    .state()
                    .controls.extra_button);
}

TEST(EventPage, TimeStepsBetweenTheLastEventAndThePeriodsEnd) {
    EventPage page = page_of();
    page.step_time(TimeButton::back_one);
    EXPECT_EQ(page.time_text(), QStringLiteral(u"0"));
    page.step_time(TimeButton::forward_ten);
    page.step_time(TimeButton::forward_one);
    EXPECT_EQ(page.time_text(), QStringLiteral(u"11"));
    page.step_time(TimeButton::back_ten);  // 11 is not more than 9 above the floor 0... it is: 1
    EXPECT_EQ(page.time_text(), QStringLiteral(u"1"));
    page.step_time(TimeButton::back_ten);
    EXPECT_EQ(page.time_text(), QStringLiteral(u"0"));
    page.type_time(QStringLiteral(u"8５x5"));
    EXPECT_EQ(page.time_text(), QStringLiteral(u"85"));
    page.step_time(TimeButton::forward_ten);  // less than 10 below the ceiling: the ceiling
    EXPECT_EQ(page.time_text(), QStringLiteral(u"90"));
    page.step_time(TimeButton::forward_one);
    EXPECT_EQ(page.time_text(), QStringLiteral(u"90"));

    // After an event at 30, "<" at 30 stays at 30; typed minutes are brought within the period.
    page.choose_kind(KindOption::conceded);
    choose(page, DetailPanel::conceded_finish, 0, 0, 0);
    choose(page, DetailPanel::play_before, 0, 0, 0);
    page.type_time(QStringLiteral(u"30"));
    ASSERT_EQ(refusal_of(page), QString());
    page.step_time(TimeButton::back_one);
    EXPECT_EQ(page.time_text(), QStringLiteral(u"30"));
    choose(page, DetailPanel::conceded_finish, 0, 0, 0);
    choose(page, DetailPanel::play_before, 0, 0, 0);
    page.type_time(QStringLiteral(u"12"));
    ASSERT_EQ(refusal_of(page), QString());
    EXPECT_EQ(page.state().event_fields.value(43 + 11), QStringLiteral(u"30"));
    page.type_time(QStringLiteral(u"999"));
    choose(page, DetailPanel::conceded_finish, 0, 0, 0);
    choose(page, DetailPanel::play_before, 0, 0, 0);
    ASSERT_EQ(refusal_of(page), QString());
    EXPECT_EQ(page.state().event_fields.value(43 + 22), QStringLiteral(u"90"));
}

TEST(EventPage, GoalChecksComeInOrder) {
    EventPage page = page_of();
    page.choose_kind(KindOption::goal);
    EXPECT_EQ(refusal_of(page), QStringLiteral(u"「得点者」　を左のリストから選択して下さい。"));
    choose(page, DetailPanel::finish, 1, 0, 1);  // 被アシスト: the assister is asked for
    EXPECT_TRUE(page.assist_visible());
    EXPECT_EQ(refusal_of(page),
              QStringLiteral(u"「得点者」　と　「アシスト者」　を左のリストから選択して下さい。"));
    // After an assisted finish the next pick is the assister, then the scorer.
    EXPECT_TRUE(page.state().assister_next);
    page.click_pitch_row(9);
    EXPECT_EQ(page.state().assister, QStringLiteral(u"S10"));
    EXPECT_TRUE(page.state().scorer_next);
    EXPECT_EQ(refusal_of(page), QStringLiteral(u"「得点者」　を左のリストから選択して下さい。"));
    page.click_pitch_row(9);  // the assister cannot also score
    EXPECT_EQ(page.state().scorer, QString());
    page.click_pitch_row(10);
    EXPECT_EQ(page.state().scorer, QStringLiteral(u"S11"));
    EXPECT_EQ(refusal_of(page),
              QStringLiteral(u"「アシスト者」　の詳細を右のボタンを押してから選択して下さい。"));
    page.open_details(DetailPanel::assist);
    EXPECT_FALSE(page.state().controls.add);
    EXPECT_TRUE(page.state().controls.kinds);
    page.choose_detail(DetailPanel::assist, 0, 0);
    page.choose_detail(DetailPanel::assist, 2, 3);  // CK
    page.close_details(DetailPanel::assist);
    // The area was never chosen: the details button stays uncoloured.
    EXPECT_FALSE(page.state().details_done[1]);
    choose(page, DetailPanel::assist, 0, 2, 3);
    page.step_time(TimeButton::forward_ten);
    ASSERT_EQ(refusal_of(page), QString());
    EXPECT_EQ(page.state().own_score, 1);
    EXPECT_EQ(page.state().event_fields.mid(43),
              (QStringList{QStringLiteral(u"10"), QStringLiteral(u"得点・アシスト"), QString(),
                           QStringLiteral(u"得点者"), QStringLiteral(u"S11"), QStringLiteral(u"右足"),
                           QStringLiteral(u"中央（エリア内）"), QStringLiteral(u"被アシスト"),
                           QStringLiteral(u"アシスト者"), QStringLiteral(u"S10"), QStringLiteral(u"頭"),
                           QStringLiteral(u"右サイド"), QStringLiteral(u"CK")}));
    EXPECT_EQ(page.state().event_field_count, 13);
    ASSERT_EQ(page.state().lines.size(), 1u);
    EXPECT_EQ(page.state().lines[0].content,
              QStringLiteral(u"得点者 - S11 - 中央（エリア内）   ←   アシスト者 - S10 - 右サイド"));
    // The panels are reset for the next event.
    EXPECT_EQ(page.state().scorer, QString());
    EXPECT_FALSE(page.state().details_done[0]);
}

TEST(EventPage, ChangingTheFinishActionDropsTheAssister) {
    EventPage page = page_of();
    page.choose_kind(KindOption::goal);
    choose(page, DetailPanel::finish, 1, 0, 1);
    page.click_pitch_row(9);
    page.click_pitch_row(10);
    EXPECT_EQ(page.state().assister, QStringLiteral(u"S10"));
    choose(page, DetailPanel::finish, 1, 0, 2);  // こぼれ球
    EXPECT_FALSE(page.assist_visible());
    EXPECT_EQ(page.state().assister, QString());
    ASSERT_EQ(refusal_of(page), QString());
    EXPECT_EQ(page.state().event_fields.mid(43 + 9), QStringList(4, QString()));
}

TEST(EventPage, AnOwnGoalUsesItsOwnPanel) {
    EventPage page = page_of();
    page.choose_kind(KindOption::goal);
    page.set_own_goal(true);
    EXPECT_EQ(refusal_of(page),
              QStringLiteral(u"「オウンゴール」　の詳細を右のボタンを押してから選択して下さい。"));
    choose(page, DetailPanel::own_goal, 1, 3, 0);
    ASSERT_EQ(refusal_of(page), QString());
    EXPECT_EQ(page.state().event_fields.mid(43 + 4, 4),
              (QStringList{QStringLiteral(u"オウンゴール"), QStringLiteral(u"足"),
                           QStringLiteral(u"左サイド"), QStringLiteral(u"シュート")}));
    EXPECT_EQ(page.state().lines[0].content, QStringLiteral(u"オウンゴール - 左サイド"));
}

TEST(EventPage, ConcededGoalsNeedBothPanelsAndNoMember) {
    EventPage page = page_of();
    page.choose_kind(KindOption::conceded);
    EXPECT_FALSE(page.state().controls.pitch_list);
    EXPECT_EQ(refusal_of(page), QStringLiteral(u"「フィニッシュ」　の詳細を選択して下さい。"));
    choose(page, DetailPanel::conceded_finish, 0, 0, 1);
    EXPECT_EQ(refusal_of(page), QStringLiteral(u"「1プレー前」　の詳細を選択して下さい。"));
    choose(page, DetailPanel::play_before, 1, 4, 7);
    ASSERT_EQ(refusal_of(page), QString());
    EXPECT_EQ(page.state().opponent_score, 1);
    EXPECT_EQ(page.state().event_field_count, 11);
    EXPECT_EQ(page.state().event_fields.mid(43 + 7),
              (QStringList{QStringLiteral(u"1プレー前"), QStringLiteral(u"足"), QStringLiteral(u"その他"),
                           QStringLiteral(u"その他")}));
}

TEST(EventPage, ActionsRuleTheirAreas) {
    EventPage page = page_of();
    const auto area = [&](DetailPanel panel) { return page.state().details[static_cast<size_t>(panel)][1]; };
    page.choose_detail(DetailPanel::finish, 1, 0);  // 中央（エリア内）
    page.choose_detail(DetailPanel::finish, 2, 3);  // FK
    EXPECT_EQ(area(DetailPanel::finish), 1);
    EXPECT_FALSE(page.state().area_enabled[0][0]);
    page.choose_detail(DetailPanel::finish, 1, 0);  // disabled: refused
    EXPECT_EQ(area(DetailPanel::finish), 1);
    page.choose_detail(DetailPanel::finish, 2, 4);  // CK after 中央（エリア外）
    EXPECT_EQ(area(DetailPanel::finish), 2);
    page.choose_detail(DetailPanel::finish, 2, 5);  // PK
    EXPECT_EQ(area(DetailPanel::finish), 0);
    EXPECT_FALSE(page.state().area_enabled[0][4]);
    page.choose_detail(DetailPanel::finish, 2, 0);  // ドリブル突破: every area again
    EXPECT_TRUE(page.state().area_enabled[0][4]);
    page.choose_detail(DetailPanel::assist, 2, 5);  // GK
    EXPECT_EQ(area(DetailPanel::assist), 4);
    page.choose_detail(DetailPanel::own_goal, 1, 0);
    page.choose_detail(DetailPanel::own_goal, 2, 3);  // no rule on the own-goal panel
    EXPECT_EQ(area(DetailPanel::own_goal), 0);
}

TEST(EventPage, AKindChoiceClosesPanelsAndUnlocks) {
    EventPage page = page_of();
    page.choose_kind(KindOption::goal);
    page.open_details(DetailPanel::finish);
    EXPECT_FALSE(page.state().controls.navigation);
    EXPECT_EQ(refusal_of(page), QString());  // a panel is open: nothing happens
    EXPECT_EQ(page.state().event_field_count, 0);
    page.choose_kind(KindOption::conceded);
    EXPECT_FALSE(page.state().open_panel);
    EXPECT_TRUE(page.state().controls.navigation);
    EXPECT_TRUE(page.state().controls.add);
}

}  // namespace
}  // namespace kl
