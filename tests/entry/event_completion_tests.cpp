#include "page_support.h"

#include <gtest/gtest.h>

namespace kl {
namespace {

using test::choose;
using test::GameBuilder;
using test::page_of;
using test::refusal_of;

// A goal and a conceded goal added as a live game adds them, their details left for later; S10
// (row 9) scored, and R1 came on for him afterwards.
EventPage page_with_events_waiting(const GameBuilder& game = {}) {
    EventPage page = page_of(game);
    page.type_time(QStringLiteral(u"12"));
    page.choose_kind(KindOption::goal);
    page.click_pitch_row(9);
    EXPECT_FALSE(page.add_leaving_details());
    page.choose_kind(KindOption::conceded);
    page.type_time(QStringLiteral(u"30"));
    EXPECT_FALSE(page.add_leaving_details());
    test::substitute(page, 9, 0);
    return page;
}

TEST(EventCompletion, EventsWhoseDetailsWaitAreMarkedAndRefusedByCompleteWithPage3sMessages) {
    EventPage page = page_with_events_waiting();
    const EventPageState& state = page.state();
    EXPECT_EQ(state.details_missing, (std::vector<bool>{true, true, false}));
    EXPECT_EQ(state.own_score, 1);
    EXPECT_EQ(state.opponent_score, 1);
    // 追加 itself still refuses a goal without its details.
    page.choose_kind(KindOption::goal);
    page.click_pitch_row(2);
    EXPECT_EQ(refusal_of(page),
              QStringLiteral(u"「得点者」　の詳細を右のボタンを押してから選択して下さい。"));

    const std::optional<md::UserMessage> refusal = page.refuse_missing_details();
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->text, QStringLiteral(u"「得点者」　の詳細を右のボタンを押してから選択して下さい。"));
    EXPECT_EQ(state.completing, 0);
    EXPECT_EQ(state.kind, KindOption::goal);
    EXPECT_EQ(state.scorer, QStringLiteral(u"S10"));
    EXPECT_EQ(page.time_text(), QStringLiteral(u"12"));
    // The pitch as it was at minute 12: S10, not R1, who came on later.
    EXPECT_EQ(state.pitch[9].member, QStringLiteral(u"S10"));
    EXPECT_FALSE(state.controls.kinds);
    EXPECT_FALSE(state.controls.delete_line);
}

TEST(EventCompletion, AMarkedGoalIsCompletedWhereItStandsThroughItsPanels) {
    EventPage page = page_with_events_waiting();
    const EventPageState& state = page.state();
    page.select_event(0);
    ASSERT_EQ(state.completing, 0);
    choose(page, DetailPanel::finish, 1, 0, 1);  // 右足, 中央（エリア内）, 被アシスト
    EXPECT_EQ(refusal_of(page), QStringLiteral(u"「アシスト者」　を左のリストから選択して下さい。"));
    page.click_pitch_row(8);
    EXPECT_EQ(state.assister, QStringLiteral(u"S9"));
    EXPECT_EQ(refusal_of(page),
              QStringLiteral(u"「アシスト者」　の詳細を右のボタンを押してから選択して下さい。"));
    choose(page, DetailPanel::assist, 0, 2, 3);  // 頭, 右サイド, CK
    EXPECT_EQ(refusal_of(page), QString());
    EXPECT_FALSE(state.completing);
    EXPECT_EQ(state.details_missing, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(state.lines[0].content,
              QStringLiteral(u"得点者 - S10 - 中央（エリア内）   ←   アシスト者 - S9 - 右サイド"));
    // The page is back as it was: R1 on the pitch, 交代 chosen, the minute of the last event.
    EXPECT_EQ(state.pitch[9].member, QStringLiteral(u"R1"));
    EXPECT_EQ(state.kind, KindOption::substitution);
    EXPECT_TRUE(state.controls.kinds);

    page.select_event(1);
    EXPECT_EQ(page.refuse_missing_details()->text,
              QStringLiteral(u"「フィニッシュ」　の詳細を選択して下さい。"));
    choose(page, DetailPanel::conceded_finish, 1, 1, 0);
    EXPECT_EQ(refusal_of(page), QStringLiteral(u"「1プレー前」　の詳細を選択して下さい。"));
    choose(page, DetailPanel::play_before, 1, 3, 1);
    EXPECT_EQ(refusal_of(page), QString());
    EXPECT_FALSE(page.refuse_missing_details());
    EXPECT_EQ(md::compose_record_line(state.event_fields, state.event_field_count),
              GameBuilder()
                  .goal(12, QStringLiteral(u"S10"), QStringLiteral(u"S9"))
                  .conceded(30)
                  .substitution(30, QStringLiteral(u"CF"), QStringLiteral(u"R1"), QStringLiteral(u"S10"))
                  .line());
}

TEST(EventCompletion, LeavingACompletionDropsItsChoicesAndGivesBackTheClosedGame) {
    // A golden goal whose details wait: the game is closed for entry, yet it can be completed.
    EventPage page = page_of(GameBuilder().with_extra_time(QStringLiteral(u"ゴールデンゴール方式"), 20));
    page.choose_period(Period::extra);
    page.choose_kind(KindOption::goal);
    page.click_pitch_row(9);
    ASSERT_FALSE(page.add_leaving_details());
    ASSERT_FALSE(page.state().controls.kinds);
    page.select_event(0);
    ASSERT_EQ(page.state().completing, 0);
    EXPECT_TRUE(page.state().controls.add);
    page.open_details(DetailPanel::finish);
    page.choose_detail(DetailPanel::finish, 0, 0);
    page.close_details(DetailPanel::finish);
    page.select_event(-1);
    EXPECT_FALSE(page.state().completing);
    EXPECT_FALSE(page.state().controls.kinds);
    EXPECT_FALSE(page.state().controls.add);
    page.select_event(0);
    EXPECT_EQ(page.state().details[0][0], -1);
    choose(page, DetailPanel::finish, 0, 0, 2);
    EXPECT_EQ(refusal_of(page), QString());
    EXPECT_EQ(page.state().lines[0].content,
              QStringLiteral(u"[ゴールデンゴール] 得点者 - S10 - 中央（エリア内）"));
    EXPECT_FALSE(page.state().controls.add);
}

TEST(EventCompletion, ALineWhoseDetailsAreCompleteOpensNothing) {
    EventPage page = page_of();
    test::score(page, 9);
    page.select_event(0);
    EXPECT_FALSE(page.state().completing);
    EXPECT_FALSE(page.refuse_missing_details());
}

}  // namespace
}  // namespace kl
