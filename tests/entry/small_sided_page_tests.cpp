#include "page_support.h"

#include <gtest/gtest.h>

namespace kl {
namespace {

using test::GameBuilder;
using test::refusal_of;
using test::substitute;

// Formations of eight (2-3-2, 3-3-1) and of eleven.
std::vector<md::Formation> formations() {
    return {
        test::formation(QStringLiteral(u"2-3-2"), {u"2", u"0", u"0", u"2", u"1", u"0", u"2", u"0", u"0"}),
        test::formation(QStringLiteral(u"3-3-1"), {u"1", u"0", u"0", u"2", u"1", u"0", u"3", u"0", u"0"}),
        test::formation(QStringLiteral(u"4-4-2"), {u"2", u"0", u"0", u"2", u"2", u"0", u"2", u"2", u"0"})};
}

// Page 3 of an eight-a-side game (S1, S5-S11 on rows 0 and 4-10; R1-R3 in reserve) with
// small-sided games on, or of a builder's game.
EventPage small_sided_page(const GameBuilder& game = GameBuilder().eight_a_side(), bool option = true) {
    return EventPage(test::fixed_fields(game), formations(), option);
}

QStringList pitch_names(const EventPage& page) {
    QStringList names;
    for (const PitchSlot& slot : page.state().pitch) {
        names.append(slot.member);
    }
    return names;
}

TEST(SmallSidedPage, ShowsAndTakesOnlyTheFormationsRows) {
    EventPage page = small_sided_page();
    EXPECT_TRUE(page.state().free_reentry);
    EXPECT_EQ(page.state().side, 8);
    EXPECT_EQ(std::count(page.state().row_in_play.begin(), page.state().row_in_play.end(), true), 8);
    EXPECT_FALSE(page.state().row_in_play[1]);
    EXPECT_TRUE(page.state().row_in_play[4]);
    page.click_pitch_row(2);
    EXPECT_EQ(page.state().first_row, -1);
    page.click_reserve(0);
    EXPECT_EQ(refusal_of(page), QStringLiteral(u"「IN」　と　「OUT」　を左のリストから選択して下さい。"));
}

TEST(SmallSidedPage, AMemberSubstitutedOffMayComeOnAgain) {
    EventPage page = small_sided_page();
    page.step_time(TimeButton::forward_ten);
    substitute(page, 10, 0);  // S11 off, R1 on
    EXPECT_EQ(page.state().pitch[10].member, QStringLiteral(u"R1"));
    EXPECT_EQ(page.state().reserves,
              (QStringList{QStringLiteral(u"R2"), QStringLiteral(u"R3"), QStringLiteral(u"S11")}));
    page.step_time(TimeButton::forward_ten);
    substitute(page, 9, 2);  // S11 comes back on for S10: an ordinary substitution
    EXPECT_EQ(page.state().pitch[9].member, QStringLiteral(u"S11"));
    EXPECT_EQ(page.state().reserves,
              (QStringList{QStringLiteral(u"R2"), QStringLiteral(u"R3"), QStringLiteral(u"S10")}));
    EXPECT_EQ(page.state().event_fields.mid(43 + 7),
              (QStringList{QStringLiteral(u"20"), QStringLiteral(u"交代"), QStringLiteral(u"IN"),
                           QStringLiteral(u"CF"), QStringLiteral(u"S11"), QStringLiteral(u"OUT"),
                           QStringLiteral(u"S10")}));
    EXPECT_EQ(page.state().lines.back().content, QStringLiteral(u"IN - S11     OUT - S10"));

    // Deletion takes the re-entry back, then the first substitution.
    page.delete_last_event();
    EXPECT_EQ(page.state().pitch[9].member, QStringLiteral(u"S10"));
    EXPECT_EQ(page.state().reserves,
              (QStringList{QStringLiteral(u"R2"), QStringLiteral(u"R3"), QStringLiteral(u"S11")}));
    page.delete_last_event();
    EXPECT_EQ(page.state().pitch[10].member, QStringLiteral(u"S11"));
    EXPECT_EQ(page.state().reserves,
              (QStringList{QStringLiteral(u"R2"), QStringLiteral(u"R3"), QStringLiteral(u"R1")}));
    EXPECT_EQ(page.state().event_field_count, 0);
}

TEST(SmallSidedPage, CautionsStayWithTheMemberAndASentOffMemberNeverReturns) {
    EventPage page = small_sided_page();
    test::card(page, 5, false);  // S6 cautioned
    substitute(page, 5, 0);      // S6 off, R1 on
    EXPECT_FALSE(page.state().pitch[5].cautioned);
    substitute(page, 6, 2);  // S6 back on for S7, still cautioned
    EXPECT_EQ(page.state().pitch[6].member, QStringLiteral(u"S6"));
    EXPECT_TRUE(page.state().pitch[6].cautioned);
    test::card(page, 6, false);  // a second caution sends him off
    EXPECT_EQ(page.state().event_fields.value(page.state().event_fields.size() - 2),
              QStringLiteral(u"警告（退場）"));
    EXPECT_EQ(page.state().pitch[6].member, QString());
    EXPECT_FALSE(page.state().reserves.contains(QStringLiteral(u"S6")));
    // The empty row cannot be substituted, and nobody brings the sent-off member back.
    page.choose_kind(KindOption::substitution);
    page.click_pitch_row(6);
    page.click_reserve(0);
    EXPECT_EQ(refusal_of(page), QStringLiteral(u"「IN」　と　「OUT」　を左のリストから選択して下さい。"));
    EXPECT_EQ(pitch_names(page).count(QString()), 4);  // three unused rows and the sent-off one
}

TEST(SmallSidedPage, FormationChangesKeepTheNumberOfPlayers) {
    EventPage page = small_sided_page();
    page.choose_kind(KindOption::formation_change);
    page.choose_formation_change(QStringLiteral(u"4-4-2"));
    EXPECT_EQ(refusal_of(page), QStringLiteral(u"「フォーメーション」　の人数が違います。"));
    EXPECT_EQ(page.state().event_field_count, 0);
    page.choose_formation_change(QStringLiteral(u"3-3-1"));
    ASSERT_EQ(refusal_of(page), QString());
    const QStringList rows = page.state().event_fields.mid(43 + 3);
    ASSERT_EQ(rows.size(), 22);
    EXPECT_EQ(rows.mid(0, 10), (QStringList{QStringLiteral(u"GK"),
                                            QStringLiteral(u"S1"),
                                            {},
                                            {},
                                            {},
                                            {},
                                            {},
                                            {},
                                            QStringLiteral(u"CB"),
                                            QStringLiteral(u"S5")}));
    EXPECT_EQ(rows.mid(12, 2), (QStringList{QStringLiteral(u"CB"), QStringLiteral(u"S7")}));
    EXPECT_EQ(page.state().pitch[7].position, QStringLiteral(u"CH"));
    EXPECT_FALSE(page.state().row_in_play[3]);
}

TEST(SmallSidedPage, DeletingEverythingKeepsTheRules) {
    EventPage page = small_sided_page();
    substitute(page, 10, 0);
    page.delete_all_events();
    EXPECT_TRUE(page.state().free_reentry);
    substitute(page, 10, 0);
    EXPECT_EQ(page.state().reserves.back(), QStringLiteral(u"S11"));
}

// Eleven a side keeps every rule, whatever the option; without the option a stored line-up of
// eight shows its eight rows and nobody comes back on.
TEST(SmallSidedPage, ElevenASideAndTheOptionOffKeepTheElevenASideRules) {
    EventPage eleven = small_sided_page(GameBuilder());
    EXPECT_FALSE(eleven.state().free_reentry);
    substitute(eleven, 10, 0);
    EXPECT_EQ(eleven.state().reserves, (QStringList{QStringLiteral(u"R2"), QStringLiteral(u"R3")}));
    test::change_formation(eleven, QStringLiteral(u"2-3-2"));  // another size is no reason to refuse
    EXPECT_EQ(eleven.state().pitch[1].position, QStringLiteral(u"SB"));

    EventPage off = small_sided_page(GameBuilder().eight_a_side(), false);
    EXPECT_FALSE(off.state().free_reentry);
    EXPECT_EQ(std::count(off.state().row_in_play.begin(), off.state().row_in_play.end(), true), 8);
    substitute(off, 10, 0);
    EXPECT_EQ(off.state().reserves, (QStringList{QStringLiteral(u"R2"), QStringLiteral(u"R3")}));
}

}  // namespace
}  // namespace kl
