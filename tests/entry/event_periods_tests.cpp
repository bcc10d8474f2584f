#include "page_support.h"

#include <gtest/gtest.h>
#include <functional>
#include <map>
#include <tuple>

namespace kl {
namespace {

using test::card;
using test::change_formation;
using test::concede;
using test::page_of;
using test::refusal_of;
using test::score;

test::GameBuilder knockout(const QString& mode = QStringLiteral(u"前・後半")) {
    return test::GameBuilder().with_extra_time(mode, 30).with_shoot_out();
}

void step(EventPage& page, TimeButton button, int times) {
    for (int i = 0; i < times; ++i) {
        page.step_time(button);
    }
}

// An own kick by the member of a pitch row.
void kick(EventPage& page, int row, bool scored) {
    page.click_pitch_row(row);
    ASSERT_FALSE(page.record_kick(true, scored));
}

TEST(EventPeriods, ExtraTimeNeedsALevelScoreAndEndsTheWayBack) {
    EventPage page = page_of(knockout());
    score(page, 9);
    score(page, 10);
    concede(page);
    EXPECT_EQ(page.choose_period(Period::extra),
              (md::UserMessage{QStringLiteral(u"入力エラー"),
                               QStringLiteral(u"同点ではないため　「延長戦」　へ進めません。")}));
    EXPECT_EQ(page.choose_period(Period::shoot_out),
              (md::UserMessage{QStringLiteral(u"エラー"),
                               QStringLiteral(u"同点ではないため　「PK戦」　へ進めません。")}));
    EXPECT_EQ(page.state().period, Period::regular);

    step(page, TimeButton::forward_ten, 3);
    concede(page);  // 2 - 2 at 30
    ASSERT_FALSE(page.choose_period(Period::extra));
    EXPECT_EQ(page.time_label(), QStringLiteral(u"時間 （91 分 - 120 分）"));
    EXPECT_EQ(page.time_text(), QStringLiteral(u"91"));
    ASSERT_FALSE(page.choose_period(Period::regular));
    EXPECT_EQ(page.time_label(), QStringLiteral(u"時間 （0 分 - 90 分）"));
    EXPECT_EQ(page.time_text(), QStringLiteral(u"30"));

    ASSERT_FALSE(page.choose_period(Period::extra));
    step(page, TimeButton::forward_one, 4);
    score(page, 9);  // 3 - 2 at 95
    EXPECT_EQ(page.state().event_fields.value(43 + 13 * 2 + 11 * 2 + 2),
              QString());  // no mark for both halves
    EXPECT_FALSE(page.state().controls.half_button);
    // Once in extra time, 延長戦 is no longer refused for the score.
    EXPECT_FALSE(page.choose_period(Period::extra));
    EXPECT_EQ(page.time_text(), QStringLiteral(u"95"));

    // Taking back a later extra-time event stays in extra time.
    page.type_time(QStringLiteral(u"100"));
    card(page, 1, false);
    page.delete_last_event();
    EXPECT_EQ(page.state().period, Period::extra);
    EXPECT_EQ(page.time_text(), QStringLiteral(u"95"));
    EXPECT_EQ(page.state().last_extra_time, 95);
    EXPECT_FALSE(page.state().controls.half_button);
}

TEST(EventPeriods, AGoldenGoalEndsTheGameUntilItIsTakenBack) {
    EventPage page = page_of(knockout(QStringLiteral(u"ゴールデンゴール方式")));
    ASSERT_FALSE(page.choose_period(Period::extra));
    step(page, TimeButton::forward_one, 2);
    concede(page);  // at 93
    EXPECT_EQ(page.state().lines.back().colour, md::LineColour::yellow);
    EXPECT_EQ(page.state().event_fields.value(43 + 2), QStringLiteral(u"ゴールデンゴール"));
    const EntryControls& closed = page.state().controls;
    EXPECT_FALSE(closed.kinds || closed.time_buttons || closed.add || closed.pitch_list ||
                 closed.extra_button || closed.shoot_out_button || closed.half_button);
    EXPECT_TRUE(closed.navigation && closed.delete_all && closed.delete_line && closed.event_list);

    page.delete_last_event();
    EXPECT_TRUE(page.state().controls.kinds && page.state().controls.time_buttons &&
                page.state().controls.add && page.state().controls.extra_button &&
                page.state().controls.shoot_out_button);
    // The only extra-time event is gone: back to regular time at its last minute.
    EXPECT_EQ(page.state().period, Period::regular);
    EXPECT_TRUE(page.state().controls.half_button);
    EXPECT_EQ(page.time_text(), QStringLiteral(u"0"));
    EXPECT_EQ(page.state().last_extra_time, 91);
    EXPECT_EQ(page.state().opponent_score, 0);
    EXPECT_EQ(page.state().event_field_count, 0);
    EXPECT_EQ(page.state().event_fields.size(), 43);
}

TEST(EventPeriods, ASilverGoalLeadEndsExtraTimeAtHalfTime) {
    EventPage page = page_of(knockout(QStringLiteral(u"シルバーゴール方式")));
    ASSERT_FALSE(page.choose_period(Period::extra));
    page.type_time(QStringLiteral(u"100"));
    score(page, 9);
    EXPECT_EQ(page.state().lines.back().colour, md::LineColour::grey);
    EXPECT_EQ(page.state().event_fields.value(43 + 2), QStringLiteral(u"シルバーゴール"));
    step(page, TimeButton::forward_ten, 2);
    EXPECT_EQ(page.time_text(), QStringLiteral(u"105"));

    page.type_time(QStringLiteral(u"103"));
    concede(page);  // the equaliser frees the second half
    step(page, TimeButton::forward_ten, 3);
    EXPECT_EQ(page.time_text(), QStringLiteral(u"120"));

    page.delete_last_event();  // taking the equaliser back restores the lead
    EXPECT_TRUE(page.state().silver_lead);
    EXPECT_EQ(page.time_text(), QStringLiteral(u"100"));
    step(page, TimeButton::forward_ten, 3);
    EXPECT_EQ(page.time_text(), QStringLiteral(u"105"));
}

// The half minute of an odd extra time goes with the sum to its even neighbour: 81 + 7.5 stops at 88.
TEST(EventPeriods, TheSilverGoalCeilingIsAWholeMinuteForOddTimes) {
    const struct {
        int game;
        int extra;
        int ceiling;
    } cases[] = {{81, 15, 88}, {80, 15, 88}, {90, 30, 105}};
    for (const auto& times : cases) {
        EXPECT_EQ(silver_goal_limit(times.game, times.extra), times.ceiling)
            << times.game << "/" << times.extra;
        test::GameBuilder game =
            test::GameBuilder().with_extra_time(QStringLiteral(u"シルバーゴール方式"), times.extra);
        game.game_time = QString::number(times.game);
        EventPage page = page_of(game);
        ASSERT_FALSE(page.choose_period(Period::extra));
        score(page, 9);  // at the first minute of extra time: a lead in the first half
        ASSERT_TRUE(page.state().silver_lead);
        step(page, TimeButton::forward_one, times.extra);
        EXPECT_EQ(page.time_text(), QString::number(times.ceiling)) << times.game << "/" << times.extra;
        page.type_time(QString::number(times.ceiling + 1));
        score(page, 8);  // a typed minute past the ceiling is stored at the ceiling
        EXPECT_EQ(page.state().event_fields.value(43 + 13), QString::number(times.ceiling));
    }
}

TEST(ShootOut, KicksDecideItAndItsEventClosesTheGame) {
    EventPage page = page_of(knockout());
    ASSERT_FALSE(page.choose_period(Period::shoot_out));
    EXPECT_EQ(page.time_text(), QStringLiteral(u"-"));
    EXPECT_EQ(page.time_label(), QStringLiteral(u"時間 （ - ）"));
    EXPECT_FALSE(page.state().controls.add || page.state().controls.delete_line ||
                 page.state().controls.kinds || page.state().controls.reserve_list ||
                 page.state().controls.time_buttons);
    EXPECT_TRUE(page.state().controls.pitch_list && page.state().controls.navigation);

    page.choose_kick_order(true);
    EXPECT_EQ(page.record_kick(true, true)->text,
              QStringLiteral(u"左のリストからメンバーを選択して下さい。"));
    EXPECT_FALSE(page.record_kick(false, true));  // not the opponent's turn: nothing happens
    kick(page, 9, true);
    EXPECT_EQ(page.state().pitch[9].member, QString());
    EXPECT_FALSE(page.state().shoot_out.order_enabled[1]);
    EXPECT_FALSE(page.state().controls.add);  // never decided after the first kick
    ASSERT_FALSE(page.record_kick(false, false));
    EXPECT_TRUE(page.state().controls.add);  // 1 - 0 after the round
    kick(page, 10, true);
    EXPECT_TRUE(page.state().controls.add);  // 2 - 0 in an open round
    EXPECT_EQ(page.state().shoot_out.rounds,
              (std::vector<QStringList>{{QStringLiteral(u"1"), QStringLiteral(u"○"), QStringLiteral(u"×")},
                                        {QStringLiteral(u"2"), QStringLiteral(u"○")}}));

    ASSERT_EQ(refusal_of(page), QString());
    EXPECT_EQ(page.state().event_fields.mid(43),
              (QStringList{QStringLiteral(u"-"), QStringLiteral(u"PK戦"), QStringLiteral(u"先攻"),
                           QStringLiteral(u"1"), QStringLiteral(u"S10"), QStringLiteral(u"0"),
                           QStringLiteral(u"1"), QStringLiteral(u"S11")}));
    EXPECT_EQ(page.state().event_field_count, 8);
    EXPECT_EQ(page.state().lines.back().time, QStringLiteral(u" -"));
    EXPECT_EQ(page.state().lines.back().kind, QStringLiteral(u"PK戦"));
    EXPECT_FALSE(page.state().controls.half_button || page.state().controls.extra_button ||
                 page.state().controls.shoot_out_button || page.state().controls.pitch_list ||
                 page.state().shoot_out.reset_enabled || page.state().shoot_out.own_first);
    EXPECT_TRUE(page.state().controls.delete_line);
}

TEST(ShootOut, ALevelScoreOrAOneGoalLeadInAnOpenRoundDecidesNothing) {
    EventPage page = page_of(knockout());
    ASSERT_FALSE(page.choose_period(Period::shoot_out));
    page.choose_kick_order(true);
    kick(page, 1, true);
    ASSERT_FALSE(page.record_kick(false, false));
    kick(page, 2, false);
    EXPECT_FALSE(page.state().controls.add);  // 1 - 0 with the round open
    ASSERT_FALSE(page.record_kick(false, true));
    EXPECT_FALSE(page.state().controls.add);  // 1 - 1

    // The opponent kicking first: the kicker box waits for the own turn.
    EventPage second = page_of(knockout());
    ASSERT_FALSE(second.choose_period(Period::shoot_out));
    second.choose_kick_order(false);
    EXPECT_FALSE(second.state().shoot_out.own_side);
    ASSERT_FALSE(second.record_kick(false, false));
    kick(second, 4, true);
    ASSERT_EQ(refusal_of(second), QString());
    EXPECT_EQ(second.state().event_fields.mid(43 + 2),
              (QStringList{QStringLiteral(u"後攻"), QStringLiteral(u"0"), QStringLiteral(u"1"),
                           QStringLiteral(u"S5")}));
}

TEST(ShootOut, EveryMemberKicksOnceBeforeTheFirstKicksAgain) {
    EventPage page = page_of(knockout());
    ASSERT_FALSE(page.choose_period(Period::shoot_out));
    page.choose_kick_order(true);
    for (int row = 0; row < 10; ++row) {
        kick(page, row, false);
        ASSERT_FALSE(page.record_kick(false, false));
    }
    EXPECT_EQ(page.state().pitch[9].member, QString());
    kick(page, 10, false);
    for (size_t row = 0; row < page.state().pitch.size(); ++row) {
        EXPECT_EQ(page.state().pitch[row].member, page.state().shoot_out_names[row]);
    }
    EXPECT_EQ(page.state().pitch[0].member, QStringLiteral(u"S1"));

    // With a member sent off, the rotation ends when nobody is left to kick.
    EventPage short_side = page_of(knockout());
    card(short_side, 3, true);
    ASSERT_FALSE(short_side.choose_period(Period::shoot_out));
    short_side.choose_kick_order(true);
    for (int row : {0, 1, 2, 4, 5, 6, 7, 8, 9, 10}) {
        kick(short_side, row, false);
        ASSERT_FALSE(short_side.record_kick(false, false));
    }
    EXPECT_EQ(short_side.state().pitch[0].member, QStringLiteral(u"S1"));
    EXPECT_EQ(short_side.state().pitch[3].member, QString());
}

TEST(ShootOut, ResettingOrLeavingGivesEveryKickerBack) {
    EventPage page = page_of(knockout());
    ASSERT_FALSE(page.choose_period(Period::shoot_out));
    page.choose_kick_order(true);
    kick(page, 5, true);
    ASSERT_FALSE(page.record_kick(false, false));
    page.reset_shoot_out();
    EXPECT_TRUE(page.state().shoot_out.rounds.empty());
    EXPECT_EQ(page.state().shoot_out.own_points, 0);
    EXPECT_TRUE(page.state().shoot_out.kicks.isEmpty());
    EXPECT_FALSE(page.state().shoot_out.own_first);
    EXPECT_EQ(page.state().pitch[5].member, QStringLiteral(u"S6"));
    EXPECT_FALSE(page.state().controls.add);  // nothing to store after a reset

    page.choose_kick_order(false);
    ASSERT_FALSE(page.record_kick(false, true));
    ASSERT_FALSE(page.choose_period(Period::extra));
    EXPECT_EQ(page.state().period, Period::extra);
    EXPECT_EQ(page.state().kind, KindOption::substitution);
    EXPECT_TRUE(page.state().controls.kinds && page.state().controls.reserve_list &&
                page.state().controls.time_buttons && page.state().controls.delete_line);
    EXPECT_TRUE(page.state().shoot_out.kicks.isEmpty());
    EXPECT_TRUE(page.state().shoot_out.order_enabled[0] && page.state().shoot_out.order_enabled[1]);

    ASSERT_FALSE(page.choose_period(Period::shoot_out));
    page.choose_kick_order(true);
    kick(page, 7, true);
    ASSERT_FALSE(page.choose_period(Period::regular));
    EXPECT_EQ(page.state().period, Period::regular);
    EXPECT_EQ(page.time_text(), QStringLiteral(u"0"));
    EXPECT_EQ(page.state().pitch[7].member, QStringLiteral(u"S8"));
    EXPECT_FALSE(page.state().shoot_out.own_first);
}

TEST(EventDeletion, TakingTheShootOutBackReturnsToThePeriodBeforeIt) {
    EventPage page = page_of(knockout());
    step(page, TimeButton::forward_ten, 1);
    card(page, 2, false);
    const auto decide_shoot_out = [&page] {
        ASSERT_FALSE(page.choose_period(Period::shoot_out));
        page.delete_last_event();  // not during the shoot-out
        ASSERT_EQ(page.state().event_field_count, page.state().lines.size() == 1 ? 4 : 8);
        page.choose_kick_order(true);
        kick(page, 6, true);
        ASSERT_FALSE(page.record_kick(false, false));
        ASSERT_EQ(refusal_of(page), QString());
    };
    decide_shoot_out();
    page.delete_last_event();
    EXPECT_EQ(page.state().period, Period::regular);
    EXPECT_EQ(page.time_text(), QStringLiteral(u"10"));
    EXPECT_TRUE(page.state().controls.half_button && page.state().controls.extra_button &&
                page.state().controls.shoot_out_button && page.state().controls.add &&
                page.state().controls.kinds && page.state().controls.pitch_list);
    EXPECT_EQ(page.state().kind, KindOption::substitution);
    EXPECT_EQ(page.state().pitch[6].member, QStringLiteral(u"S7"));
    EXPECT_EQ(page.state().event_field_count, 4);
    EXPECT_EQ(page.state().lines.size(), 1u);

    ASSERT_FALSE(page.choose_period(Period::extra));
    page.type_time(QStringLiteral(u"95"));
    card(page, 4, false);
    decide_shoot_out();
    page.delete_last_event();
    EXPECT_EQ(page.state().period, Period::extra);
    EXPECT_EQ(page.time_text(), QStringLiteral(u"95"));
    EXPECT_EQ(page.state().last_extra_time, 95);
    EXPECT_FALSE(page.state().controls.half_button);
}

TEST(EventDeletion, PicksMadeBeforeATakeBackAreForgotten) {
    EventPage page = page_of();
    test::substitute(page, 9, 0);  // R1 on for S10
    page.click_pitch_row(9);       // R1 picked to go off
    page.delete_last_event();      // R1 is back on the bench
    EXPECT_EQ(page.state().member_out, QString());
    page.click_reserve(2);
    EXPECT_EQ(refusal_of(page), QStringLiteral(u"「IN」　と　「OUT」　を左のリストから選択して下さい。"));
    EXPECT_EQ(page.state().pitch[9].member, QStringLiteral(u"S10"));
}

// What the page would look like had only the events so far been entered (the reserves' order aside).
struct PageSnapshot {
    QStringList event_fields;
    int event_field_count;
    std::vector<std::tuple<QString, QString, bool>> pitch;
    QStringList reserves;
    int own_score;
    int opponent_score;
    size_t line_count;
    QString time;
    QString formation;
    std::vector<int> sent_off_rows;
    std::map<QString, int> cautions;

    explicit PageSnapshot(const EventPage& page)
        : event_fields(page.state().event_fields),
          event_field_count(page.state().event_field_count),
          reserves(page.state().reserves),
          own_score(page.state().own_score),
          opponent_score(page.state().opponent_score),
          line_count(page.state().lines.size()),
          time(page.time_text()),
          formation(page.state().current_formation),
          sent_off_rows(page.state().sent_off_rows) {
        for (const PitchSlot& slot : page.state().pitch) {
            pitch.emplace_back(slot.position, slot.member, slot.cautioned);
        }
        reserves.sort();
        for (qsizetype i = 0; i < page.state().caution_names.size(); ++i) {
            if (page.state().caution_counts[static_cast<size_t>(i)] > 0) {
                cautions[page.state().caution_names[i]] = page.state().caution_counts[static_cast<size_t>(i)];
            }
        }
    }
};

void expect_same(const PageSnapshot& page, const PageSnapshot& expected) {
    EXPECT_EQ(page.event_fields, expected.event_fields);
    EXPECT_EQ(page.event_field_count, expected.event_field_count);
    for (size_t row = 0; row < page.pitch.size(); ++row) {
        EXPECT_EQ(std::get<0>(page.pitch[row]), std::get<0>(expected.pitch[row])) << "row " << row;
        EXPECT_EQ(std::get<1>(page.pitch[row]), std::get<1>(expected.pitch[row])) << "row " << row;
        EXPECT_EQ(std::get<2>(page.pitch[row]), std::get<2>(expected.pitch[row])) << "row " << row;
    }
    EXPECT_EQ(page.reserves, expected.reserves);
    EXPECT_EQ(page.own_score, expected.own_score);
    EXPECT_EQ(page.opponent_score, expected.opponent_score);
    EXPECT_EQ(page.line_count, expected.line_count);
    EXPECT_EQ(page.time, expected.time);
    EXPECT_EQ(page.formation, expected.formation);
    EXPECT_EQ(page.sent_off_rows, expected.sent_off_rows);
    EXPECT_TRUE(page.cautions == expected.cautions);
}

TEST(EventDeletion, EachDeletionUndoesItsEvent) {
    EventPage page = page_of();
    page.delete_last_event();  // an empty list: nothing happens
    expect_same(PageSnapshot(page), PageSnapshot(page_of()));

    const std::vector<std::function<void()>> events = {
        [&] { card(page, 3, false); },
        [&] { test::substitute(page, 10, 0); },
        [&] { card(page, 10, false); },
        [&] {
            page.choose_kind(KindOption::position_change);
            page.click_pitch_row(3);
            page.click_pitch_row(10);
            ASSERT_EQ(refusal_of(page), QString());
        },
        [&] { change_formation(page, QStringLiteral(u"3-5-2")); },
        [&] { card(page, 10, false); },  // S4's second caution, on S4's new row
        [&] { score(page, 8); },
        [&] { concede(page); },
        [&] { card(page, 5, true); },
        [&] {  // S7 moves into the empty row of S6, who was sent off
            page.choose_kind(KindOption::position_change);
            page.click_pitch_row(6);
            page.click_pitch_row(5);
            ASSERT_EQ(refusal_of(page), QString());
        },
        [&] { change_formation(page, QStringLiteral(u"小さい")); },
    };
    std::vector<PageSnapshot> before;
    for (const auto& add_event : events) {
        before.emplace_back(page);
        page.step_time(TimeButton::forward_one);
        add_event();
    }
    EXPECT_EQ(page.state().sent_off_rows, (std::vector<int>{10, 5}));
    EXPECT_EQ(page.state().pitch[5].member, QStringLiteral(u"S7"));
    for (auto expected = before.rbegin(); expected != before.rend(); ++expected) {
        page.delete_last_event();
        SCOPED_TRACE(expected->line_count + 1);
        expect_same(PageSnapshot(page), *expected);
    }
    EXPECT_EQ(page.state().current_formation, QStringLiteral(u"4-4-2"));
    EXPECT_EQ(page.state().pitch[1].position, QStringLiteral(u"SB"));

    // After taking back a second caution, the next caution is the second again.
    events[0]();
    events[1]();
    card(page, 3, false);
    EXPECT_EQ(page.state().event_fields.value(43 + 4 + 7 + 2), QStringLiteral(u"警告（退場）"));
    page.delete_last_event();
    EXPECT_TRUE(page.state().pitch[3].cautioned);
    EXPECT_EQ(page.state().pitch[3].member, QStringLiteral(u"S4"));
    card(page, 3, false);
    EXPECT_EQ(page.state().event_fields.value(43 + 4 + 7 + 2), QStringLiteral(u"警告（退場）"));

    // 全削除: the page as it opened.
    page.delete_all_events();
    expect_same(PageSnapshot(page), PageSnapshot(page_of()));
    EXPECT_EQ(page.state().reserves.size(), 3);
}

}  // namespace
}  // namespace kl
