#include "entry/game_completion.h"
#include "entry/live_clock.h"
#include "entry/playing_time.h"
#include "live_support.h"
#include "store/data_store.h"
#include "support/game_builder.h"

#include <gtest/gtest.h>

namespace kl {
namespace {

using test::GameBuilder;
using test::LiveDriver;

const QString golden = QStringLiteral(u"ゴールデンゴール方式");
const QString silver = QStringLiteral(u"シルバーゴール方式");

md::GoalDetail detail(const char16_t* body, const char16_t* area, const char16_t* action) {
    return {QString::fromUtf16(body), QString::fromUtf16(area), QString::fromUtf16(action)};
}

// --- The minutes of a live game ---

TEST(LiveMinutes, FootballCountsTheMinuteBeingPlayedUpToEachPeriodsLastMinute) {
    // A 40-minute youth game with 10 minutes of extra time.
    const auto minute = [](LivePeriod period, int minutes, int seconds) {
        return clock_minute(period_minutes(period, 40, 10, MinuteCounting::football),
                            (minutes * 60 + seconds) * 1000LL);
    };
    EXPECT_EQ(minute(LivePeriod::first_half, 0, 0), 1);
    EXPECT_EQ(minute(LivePeriod::first_half, 12, 34), 13);
    EXPECT_EQ(minute(LivePeriod::first_half, 19, 59), 20);
    EXPECT_EQ(minute(LivePeriod::first_half, 23, 0), 20);  // stoppage time is the half's last minute
    EXPECT_EQ(minute(LivePeriod::second_half, 0, 10), 21);
    EXPECT_EQ(minute(LivePeriod::second_half, 5, 0), 26);
    EXPECT_EQ(minute(LivePeriod::second_half, 24, 0), 40);
    EXPECT_EQ(minute(LivePeriod::extra_first_half, 0, 30), 41);
    EXPECT_EQ(minute(LivePeriod::extra_first_half, 9, 0), 45);
    EXPECT_EQ(minute(LivePeriod::extra_second_half, 0, 0), 46);
    EXPECT_EQ(minute(LivePeriod::extra_second_half, 7, 0), 50);
}

TEST(LiveMinutes, ElapsedCountingStartsRegularTimeAtZeroAndExtraTimeAfterTheGameTime) {
    const auto minute = [](LivePeriod period, int minutes, int seconds) {
        return clock_minute(period_minutes(period, 50, 10, MinuteCounting::elapsed),
                            (minutes * 60 + seconds) * 1000LL);
    };
    EXPECT_EQ(minute(LivePeriod::first_half, 0, 40), 0);
    EXPECT_EQ(minute(LivePeriod::first_half, 12, 34), 12);
    EXPECT_EQ(minute(LivePeriod::first_half, 30, 0), 25);
    EXPECT_EQ(minute(LivePeriod::second_half, 0, 0), 25);  // "後半 0分"
    EXPECT_EQ(minute(LivePeriod::second_half, 5, 0), 30);  // "後半 5分"
    EXPECT_EQ(minute(LivePeriod::extra_first_half, 0, 0), 51);
    EXPECT_EQ(minute(LivePeriod::extra_second_half, 0, 0), 56);
    // An odd game time gives its half minute to the second half.
    const MinuteRange second = period_minutes(LivePeriod::second_half, 25, 0, MinuteCounting::football);
    EXPECT_EQ(second.first, 13);
    EXPECT_EQ(second.last, 25);
}

TEST(LiveMinutes, TheClockShowsMinutesAndSecondsOfThePeriod) {
    LiveDriver live(GameBuilder().eight_a_side(), true);
    EXPECT_EQ(clock_text(live.game.clock().elapsed(live.now)), QStringLiteral(u"00:00"));
    EXPECT_EQ(live.act(LiveVerb::kick_off), QString());
    live.wait(12, 34);
    EXPECT_EQ(clock_text(live.game.clock().elapsed(live.now)), QStringLiteral(u"12:34"));
    EXPECT_EQ(live.act(LiveVerb::pause), QString());
    live.wait(3);
    EXPECT_EQ(clock_text(live.game.clock().elapsed(live.now)), QStringLiteral(u"12:34"));
    EXPECT_TRUE(live.game.clock().started());  // キックオフ is now 再開
    EXPECT_EQ(live.act(LiveVerb::kick_off), QString());
    live.wait(1);
    EXPECT_EQ(live.game.minute_text(live.now), QStringLiteral(u"14"));
    EXPECT_EQ(live.act(LiveVerb::period_end), QString());
    EXPECT_EQ(period_caption(live.game.period()), QStringLiteral(u"後半"));
    EXPECT_EQ(period_end_caption(live.game.period()), QStringLiteral(u"後半終了"));
    EXPECT_FALSE(live.game.clock().started());
    EXPECT_EQ(live.game.minute_text(live.now), QStringLiteral(u"21"));
}

TEST(LiveMinutes, ATypedMinuteStaysInThePeriodFromTheLastEventAndServesTheNextEventOnly) {
    LiveDriver live(GameBuilder().eight_a_side(), true);
    live.act(LiveVerb::kick_off);
    live.wait(12, 34);
    EXPECT_EQ(live.event(LiveVerb::caution, {QStringLiteral(u"S5")}), QString());
    live.game.type_minute(QStringLiteral(u"12"));
    EXPECT_EQ(live.event(LiveVerb::caution, {QStringLiteral(u"S6")}),
              QStringLiteral(u"「時間」　は　13分から20分までで入力して下さい。"));
    live.game.type_minute(QStringLiteral(u"21"));
    EXPECT_NE(live.event(LiveVerb::caution, {QStringLiteral(u"S6")}), QString());
    live.game.type_minute(QStringLiteral(u"18"));
    EXPECT_EQ(live.game.minute_text(live.now), QStringLiteral(u"18"));
    EXPECT_EQ(live.event(LiveVerb::caution, {QStringLiteral(u"S6")}), QString());
    EXPECT_EQ(live.game.page().state().lines.back().time, QStringLiteral(u"18"));
    // The next event follows the clock again, though not before the last event.
    EXPECT_FALSE(live.game.minute_typed());
    EXPECT_EQ(live.game.minute_text(live.now), QStringLiteral(u"18"));
    live.wait(6);
    EXPECT_EQ(live.game.minute_text(live.now), QStringLiteral(u"19"));
}

// --- Events whose details wait ---

TEST(LiveEvents, AGoalTakesItsScorerAtOnceAndItsAssistAndDetailsTapByTap) {
    LiveDriver live(GameBuilder().eight_a_side(), true);
    live.act(LiveVerb::kick_off);
    live.wait(12, 34);
    ASSERT_EQ(live.event(LiveVerb::goal, {QStringLiteral(u"S10")}), QString());
    const EventPageState& page = live.game.page().state();
    EXPECT_EQ(page.own_score, 1);
    EXPECT_TRUE(page.details_missing[0]);
    EXPECT_EQ(page.lines[0].time, QStringLiteral(u"13"));
    EXPECT_EQ(missing_details(live.game.page().events()[0])->text,
              QStringLiteral(u"「得点者」　の詳細を右のボタンを押してから選択して下さい。"));
    EXPECT_NE(live.assist(0, QStringLiteral(u"S10")), QString());  // not the scorer himself
    EXPECT_EQ(live.assist(0, QStringLiteral(u"S9")), QString());
    live.details(0, DetailPanel::finish, detail(u"右足", u"中央（エリア内）", u"被アシスト"));
    EXPECT_EQ(missing_details(live.game.page().events()[0])->text,
              QStringLiteral(u"「アシスト者」　の詳細を右のボタンを押してから選択して下さい。"));
    // A CK moves an assist from the centre to the right, as its panel does.
    EXPECT_EQ(live.detail(0, DetailPanel::assist, 1, QStringLiteral(u"中央（エリア内）")), QString());
    EXPECT_EQ(live.detail(0, DetailPanel::assist, 0, QStringLiteral(u"頭")), QString());
    EXPECT_EQ(live.detail(0, DetailPanel::assist, 2, QStringLiteral(u"CK")), QString());
    EXPECT_NE(live.detail(0, DetailPanel::assist, 1, QStringLiteral(u"中央（エリア外）")), QString());
    EXPECT_FALSE(page.details_missing[0]);
    EXPECT_EQ(page.lines[0].content,
              QStringLiteral(u"得点者 - S10 - 中央（エリア内）   ←   アシスト者 - S9 - 右サイド"));
    EXPECT_EQ(live.record_line(),
              GameBuilder().eight_a_side().goal(13, QStringLiteral(u"S10"), QStringLiteral(u"S9")).line());
    // Another finish than after an assist has no assister, as on page 3.
    EXPECT_EQ(live.detail(0, DetailPanel::finish, 2, QStringLiteral(u"こぼれ球")), QString());
    EXPECT_EQ(page.lines[0].content, QStringLiteral(u"得点者 - S10 - 中央（エリア内）"));
}

TEST(LiveEvents, UndoTakesBackTheLastEventAndInTheShootOutTheLastKick) {
    LiveDriver live(GameBuilder().with_shoot_out());
    live.act(LiveVerb::kick_off);
    live.wait(30);
    live.event(LiveVerb::substitution, {QStringLiteral(u"S11"), QStringLiteral(u"R1")});
    ASSERT_EQ(live.act(LiveVerb::undo), QString());
    EXPECT_TRUE(live.game.page().state().lines.empty());
    EXPECT_EQ(live.game.page().state().pitch[10].member, QStringLiteral(u"S11"));
    EXPECT_TRUE(live.game.event_game_times().empty());
    EXPECT_NE(live.act(LiveVerb::undo), QString());

    live.act(LiveVerb::period_end);
    live.act(LiveVerb::period_end);
    ASSERT_EQ(live.act(LiveVerb::shoot_out), QString());
    live.kick_order(true);
    live.kick(true, true, QStringLiteral(u"S10"));
    live.kick(false, false);
    live.kick(true, false, QStringLiteral(u"S9"));
    ASSERT_EQ(live.act(LiveVerb::undo), QString());
    const ShootOut& kicks = live.game.page().state().shoot_out;
    EXPECT_EQ(kicks.kicks, (QStringList{QStringLiteral(u"1"), QStringLiteral(u"S10"), QStringLiteral(u"0")}));
    EXPECT_TRUE(kicks.own_side);
    EXPECT_EQ(live.game.page().state().pitch[9].member, QString());  // S10 kicked in this rotation
    EXPECT_EQ(live.game.page().state().pitch[8].member, QStringLiteral(u"S9"));
}

// --- A game recorded live and the same game typed in store the same line ---

// Page 3 as the wizard's user types a game: each event at its minute, through the page's panels.
struct Typing {
    Typing(const GameBuilder& game, bool small_sided) : page(test::fixed_fields(game), {}, small_sided) {}
    int row(const QString& member) const {
        for (size_t row = 0; row < page.state().pitch.size(); ++row) {
            if (page.state().pitch[row].member == member) {
                return static_cast<int>(row);
            }
        }
        return -1;
    }
    void fill(DetailPanel panel, const md::GoalDetail& chosen) {
        page.open_details(panel);
        page.choose_detail(panel, 0, static_cast<int>(EventPage::options(panel, 0).indexOf(chosen.body)));
        page.choose_detail(panel, 2, static_cast<int>(EventPage::options(panel, 2).indexOf(chosen.action)));
        page.choose_detail(panel, 1, static_cast<int>(EventPage::options(panel, 1).indexOf(chosen.area)));
        page.close_details(panel);
    }
    void at(KindOption kind, int minute) {
        page.choose_kind(kind);
        page.type_time(QString::number(minute));
    }
    void goal(int minute, const QString& scorer, const md::GoalDetail& finish, const QString& assister = {},
              const md::GoalDetail& assist = {}) {
        at(KindOption::goal, minute);
        page.click_pitch_row(row(scorer));
        fill(DetailPanel::finish, finish);
        if (!assister.isEmpty()) {
            page.click_pitch_row(row(assister));
            fill(DetailPanel::assist, assist);
        }
        EXPECT_EQ(test::refusal_of(page), QString());
    }
    void conceded(int minute, const md::GoalDetail& finish, const md::GoalDetail& before) {
        at(KindOption::conceded, minute);
        fill(DetailPanel::conceded_finish, finish);
        fill(DetailPanel::play_before, before);
        EXPECT_EQ(test::refusal_of(page), QString());
    }
    void substitution(int minute, const QString& out, const QString& in) {
        at(KindOption::substitution, minute);
        page.click_pitch_row(row(out));
        page.click_reserve(static_cast<int>(page.state().reserves.indexOf(in)));
        EXPECT_EQ(test::refusal_of(page), QString());
    }
    void card(int minute, const QString& member, bool sending_off) {
        at(KindOption::card, minute);
        page.click_pitch_row(row(member));
        page.choose_card(sending_off);
        EXPECT_EQ(test::refusal_of(page), QString());
    }
    void position_change(int minute, const QString& first, const QString& second) {
        at(KindOption::position_change, minute);
        page.click_pitch_row(row(first));
        page.click_pitch_row(row(second));
        EXPECT_EQ(test::refusal_of(page), QString());
    }
    void kick(bool own, bool scored, const QString& kicker = {}) {
        if (own) {
            page.click_pitch_row(row(kicker));
        }
        EXPECT_FALSE(page.record_kick(own, scored));
    }
    EventPage page;
};

// The line 完了 stores for a page, in a team without games.
QString stored_line(const EventPageState& page) {
    md::DataStore store;
    EXPECT_FALSE(complete_game(store, page.event_fields, page.event_field_count, std::nullopt));
    return store.game_lines.value(0);
}

const md::GoalDetail right_foot_assisted = detail(u"右足", u"中央（エリア内）", u"被アシスト");
const md::GoalDetail head_from_corner = detail(u"頭", u"右サイド", u"CK");
const md::GoalDetail left_foot_rebound = detail(u"左足", u"右サイド", u"こぼれ球");
const md::GoalDetail dribble = detail(u"足", u"中央（エリア外）", u"ドリブル突破");
const md::GoalDetail long_pass = detail(u"足", u"左サイド", u"ロングパス");

TEST(LiveAgainstWizard, ASmallSidedGameWithAMemberComingBackOnStoresTheSameLine) {
    const GameBuilder game = GameBuilder().eight_a_side();
    LiveDriver live(game, true);
    live.act(LiveVerb::kick_off);
    live.wait(12, 34);
    live.event(LiveVerb::goal, {QStringLiteral(u"S10")});
    live.assist(0, QStringLiteral(u"S9"));
    live.details(0, DetailPanel::finish, right_foot_assisted);
    live.details(0, DetailPanel::assist, head_from_corner);
    live.wait(2, 26);
    EXPECT_EQ(live.event(LiveVerb::substitution, {QStringLiteral(u"S11"), QStringLiteral(u"R1")}), QString());
    live.wait(5);
    EXPECT_EQ(live.event(LiveVerb::caution, {QStringLiteral(u"S5")}), QString());
    live.act(LiveVerb::period_end);
    live.act(LiveVerb::kick_off);
    live.wait(3);
    live.event(LiveVerb::conceded);
    live.details(3, DetailPanel::conceded_finish, dribble);
    live.details(3, DetailPanel::play_before, long_pass);
    live.wait(7);
    EXPECT_EQ(live.event(LiveVerb::substitution, {QStringLiteral(u"R1"), QStringLiteral(u"S11")}), QString());
    live.wait(20);  // stoppage time: the last minute
    live.event(LiveVerb::goal, {QStringLiteral(u"S11")});
    live.details(5, DetailPanel::finish, left_foot_rebound);
    live.act(LiveVerb::period_end);
    ASSERT_EQ(live.act(LiveVerb::finish), QString());

    Typing typed(game, true);
    typed.goal(13, QStringLiteral(u"S10"), right_foot_assisted, QStringLiteral(u"S9"), head_from_corner);
    typed.substitution(16, QStringLiteral(u"S11"), QStringLiteral(u"R1"));
    typed.card(20, QStringLiteral(u"S5"), false);
    typed.conceded(24, dribble, long_pass);
    typed.substitution(31, QStringLiteral(u"R1"), QStringLiteral(u"S11"));
    typed.goal(40, QStringLiteral(u"S11"), left_foot_rebound);
    EXPECT_EQ(stored_line(live.game.page().state()), stored_line(typed.page.state()));
    EXPECT_EQ(live.game.page().state().reserves, typed.page.state().reserves);
}

TEST(LiveAgainstWizard, ExtraTimeAndAShootOutStoreTheSameLine) {
    const GameBuilder game = GameBuilder().with_extra_time(QStringLiteral(u"前・後半"), 20).with_shoot_out();
    LiveDriver live(game);
    live.act(LiveVerb::kick_off);
    live.wait(29, 10);
    live.event(LiveVerb::goal, {QStringLiteral(u"S10")});
    live.details(0, DetailPanel::finish, left_foot_rebound);
    live.act(LiveVerb::period_end);
    live.act(LiveVerb::kick_off);
    live.wait(20);
    live.event(LiveVerb::conceded);
    live.details(1, DetailPanel::conceded_finish, dribble);
    live.details(1, DetailPanel::play_before, long_pass);
    live.act(LiveVerb::period_end);
    ASSERT_EQ(live.act(LiveVerb::extra_time), QString());
    live.act(LiveVerb::kick_off);
    live.wait(5);
    EXPECT_EQ(live.event(LiveVerb::caution, {QStringLiteral(u"S4")}), QString());
    live.act(LiveVerb::period_end);
    live.act(LiveVerb::kick_off);
    live.wait(1);
    EXPECT_EQ(live.event(LiveVerb::position_change, {QStringLiteral(u"S2"), QStringLiteral(u"S3")}),
              QString());
    live.act(LiveVerb::period_end);
    ASSERT_EQ(live.act(LiveVerb::shoot_out), QString());
    live.kick_order(true);
    live.kick(true, true, QStringLiteral(u"S10"));
    live.kick(false, true);
    live.kick(true, false, QStringLiteral(u"S9"));
    live.kick(false, false);
    live.kick(true, true, QStringLiteral(u"S8"));
    live.kick(false, false);
    ASSERT_EQ(live.act(LiveVerb::finish), QString());
    EXPECT_EQ(period_caption(live.game.shown_period()), QStringLiteral(u"試合終了"));

    Typing typed(game, false);
    typed.goal(30, QStringLiteral(u"S10"), left_foot_rebound);
    typed.conceded(66, dribble, long_pass);
    EXPECT_FALSE(typed.page.choose_period(Period::extra));
    typed.card(96, QStringLiteral(u"S4"), false);
    typed.position_change(102, QStringLiteral(u"S2"), QStringLiteral(u"S3"));
    EXPECT_FALSE(typed.page.choose_period(Period::shoot_out));
    typed.page.choose_kick_order(true);
    typed.kick(true, true, QStringLiteral(u"S10"));
    typed.kick(false, true);
    typed.kick(true, false, QStringLiteral(u"S9"));
    typed.kick(false, false);
    typed.kick(true, true, QStringLiteral(u"S8"));
    typed.kick(false, false);
    EXPECT_EQ(test::refusal_of(typed.page), QString());
    EXPECT_EQ(stored_line(live.game.page().state()), stored_line(typed.page.state()));
}

TEST(LiveAgainstWizard, AGoldenGoalEndsTheGameAndStoresTheSameLine) {
    const GameBuilder game = GameBuilder().with_extra_time(golden, 20);
    LiveDriver live(game);
    live.act(LiveVerb::kick_off);
    live.act(LiveVerb::period_end);
    live.act(LiveVerb::kick_off);
    live.wait(50);
    live.act(LiveVerb::period_end);
    ASSERT_EQ(live.act(LiveVerb::extra_time), QString());
    live.act(LiveVerb::kick_off);
    live.wait(3, 30);
    ASSERT_EQ(live.event(LiveVerb::goal, {QStringLiteral(u"S9")}), QString());
    EXPECT_EQ(period_caption(live.game.shown_period()), QStringLiteral(u"試合終了"));
    EXPECT_FALSE(live.game.takes_events());
    EXPECT_NE(live.event(LiveVerb::caution, {QStringLiteral(u"S2")}), QString());
    // The golden goal's details may still be given.
    live.details(0, DetailPanel::finish, left_foot_rebound);
    live.act(LiveVerb::finish);

    Typing typed(game, false);
    typed.page.choose_period(Period::extra);
    typed.goal(94, QStringLiteral(u"S9"), left_foot_rebound);
    EXPECT_EQ(stored_line(live.game.page().state()), stored_line(typed.page.state()));
    EXPECT_TRUE(
        stored_line(typed.page.state()).contains(QStringLiteral(u",94,得点・アシスト,ゴールデンゴール,")));
}

TEST(LiveAgainstWizard, ASilverGoalAndAShootOutAfterRegularTimeStoreTheSameLines) {
    const GameBuilder silver_game = GameBuilder().with_extra_time(silver, 30);
    LiveDriver live(silver_game);
    live.act(LiveVerb::period_end);
    live.act(LiveVerb::period_end);
    live.act(LiveVerb::extra_time);
    live.act(LiveVerb::kick_off);
    live.wait(9, 1);
    live.event(LiveVerb::conceded);
    live.details(0, DetailPanel::conceded_finish, dribble);
    live.details(0, DetailPanel::play_before, long_pass);
    EXPECT_TRUE(live.game.page().state().silver_lead);
    live.act(LiveVerb::period_end);
    live.act(LiveVerb::finish);
    Typing typed(silver_game, false);
    typed.page.choose_period(Period::extra);
    typed.conceded(100, dribble, long_pass);
    EXPECT_EQ(stored_line(live.game.page().state()), stored_line(typed.page.state()));

    const GameBuilder shoot_out_game = GameBuilder().with_shoot_out();
    LiveDriver second(shoot_out_game);
    second.act(LiveVerb::period_end);
    second.act(LiveVerb::period_end);
    ASSERT_EQ(second.act(LiveVerb::shoot_out), QString());
    second.kick_order(false);
    second.kick(false, true);
    second.kick(true, false, QStringLiteral(u"S1"));
    second.act(LiveVerb::finish);
    Typing kicks(shoot_out_game, false);
    kicks.page.choose_period(Period::shoot_out);
    kicks.page.choose_kick_order(false);
    kicks.kick(false, true);
    kicks.kick(true, false, QStringLiteral(u"S1"));
    EXPECT_EQ(test::refusal_of(kicks.page), QString());
    EXPECT_EQ(stored_line(second.game.page().state()), stored_line(kicks.page.state()));
}

// --- Playing time ---

TEST(LivePlayingTime, MinutesAndSharesFollowTheClockAndTheTargetMarksReservesRunningOutOfTime) {
    LiveDriver live(GameBuilder().eight_a_side(), true);
    live.act(LiveVerb::kick_off);
    live.wait(10);
    live.event(LiveVerb::substitution, {QStringLiteral(u"S11"), QStringLiteral(u"R1")});
    live.wait(5);
    PitchStints stints = pitch_stints(live.game);
    PlayingTime time = playing_time(live.game, stints, live.now, 50);
    EXPECT_EQ(time.game_ms, 15 * 60000);
    const auto text_of = [&](const std::vector<MemberTime>& members, const QString& name) {
        for (const MemberTime& member : members) {
            if (member.member == name) {
                return playing_time_text(member.played_ms, time.game_ms);
            }
        }
        return QString();
    };
    EXPECT_EQ(text_of(time.pitch, QStringLiteral(u"S1")), QStringLiteral(u"15分（100%）"));
    EXPECT_EQ(text_of(time.pitch, QStringLiteral(u"R1")), QStringLiteral(u"5分（33%）"));
    // S11 went off and comes back as a reserve in a small-sided game.
    EXPECT_EQ(text_of(time.bench, QStringLiteral(u"S11")), QStringLiteral(u"10分（67%）"));
    const auto status_of = [&](const QString& name) {
        for (const MemberTime& member : time.bench) {
            if (member.member == name) {
                return member.status;
            }
        }
        return ShareStatus::fine;
    };
    // Half of 40 minutes: with 25 minutes left R2 has time; with 24 he must come on within five.
    EXPECT_EQ(time.bench[0].member, QStringLiteral(u"R2"));
    EXPECT_EQ(status_of(QStringLiteral(u"R2")), ShareStatus::fine);
    live.wait(1);
    time = playing_time(live.game, stints, live.now, 50);
    EXPECT_EQ(status_of(QStringLiteral(u"R2")), ShareStatus::at_risk);
    EXPECT_EQ(status_of(QStringLiteral(u"S11")), ShareStatus::fine);
    live.wait(5);
    time = playing_time(live.game, stints, live.now, 50);
    EXPECT_EQ(status_of(QStringLiteral(u"R2")), ShareStatus::out_of_reach);
    EXPECT_EQ(playing_time(live.game, stints, live.now, 0).bench[0].status, ShareStatus::fine);
}

}  // namespace
}  // namespace kl
