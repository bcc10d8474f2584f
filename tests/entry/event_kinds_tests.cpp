#include "page_support.h"

#include <gtest/gtest.h>

namespace kl {
namespace {

using test::card;
using test::page_of;
using test::refusal_of;

TEST(EventKinds, ASubstitutionPutsTheReserveInTheRow) {
    EventPage page = page_of();
    EXPECT_EQ(refusal_of(page), QStringLiteral(u"「IN」　と　「OUT」　を左のリストから選択して下さい。"));
    card(page, 10, false);
    EXPECT_TRUE(page.state().pitch[10].cautioned);
    page.choose_kind(KindOption::substitution);
    page.click_pitch_row(10);
    page.click_reserve(1);
    page.step_time(TimeButton::forward_ten);
    ASSERT_EQ(refusal_of(page), QString());
    EXPECT_EQ(page.state().pitch[10].member, QStringLiteral(u"R2"));
    EXPECT_FALSE(page.state().pitch[10].cautioned);  // the caution stays with the member who went off
    EXPECT_EQ(page.state().reserves, (QStringList{QStringLiteral(u"R1"), QStringLiteral(u"R3")}));
    EXPECT_EQ(page.state().lines.back().content, QStringLiteral(u"IN - R2     OUT - S11"));
    EXPECT_EQ(page.state().event_fields.mid(43 + 4),
              (QStringList{QStringLiteral(u"10"), QStringLiteral(u"交代"), QStringLiteral(u"IN"),
                           QStringLiteral(u"CF"), QStringLiteral(u"R2"), QStringLiteral(u"OUT"),
                           QStringLiteral(u"S11")}));
    EXPECT_EQ(page.state().last_regular_time, 10);
}

TEST(EventKinds, ASecondCautionIsOneEventThatSendsOff) {
    EventPage page = page_of();
    card(page, 3, false);
    card(page, 3, false);
    ASSERT_EQ(page.state().lines.size(), 2u);
    EXPECT_EQ(page.state().lines[1].content, QStringLiteral(u"警告（退場） - S4"));
    EXPECT_EQ(page.state().lines[1].colour, md::LineColour::red);
    EXPECT_EQ(page.state().event_fields.value(43 + 4 + 2), QStringLiteral(u"警告（退場）"));
    EXPECT_EQ(page.state().pitch[3].member, QString());
    EXPECT_EQ(page.state().pitch[3].position, QStringLiteral(u"CB"));
    EXPECT_EQ(page.state().sent_off_rows, std::vector<int>{3});
    // The empty row cannot go off.
    page.choose_kind(KindOption::substitution);
    page.click_pitch_row(3);
    page.click_reserve(0);
    EXPECT_EQ(refusal_of(page), QStringLiteral(u"「IN」　と　「OUT」　を左のリストから選択して下さい。"));

    // A direct sending-off after a caution is no caution.
    card(page, 5, false);
    card(page, 5, true);
    EXPECT_EQ(page.state().lines.back().content, QStringLiteral(u"退場 - S6"));
    EXPECT_EQ(
        page.state()
            .caution_counts[static_cast<size_t>(page.state().caution_names.indexOf(QStringLiteral(u"S6")))],
        1);
    page.choose_kind(KindOption::card);
    EXPECT_EQ(refusal_of(page), QStringLiteral(u"「対象者」　を左のリストから選択して下さい。"));
}

TEST(EventKinds, APositionChangeSwapsMembersAndTheirCautions) {
    EventPage page = page_of();
    card(page, 1, false);
    page.choose_kind(KindOption::position_change);
    EXPECT_EQ(refusal_of(page),
              QStringLiteral(u"「メンバー１」　か　「メンバー２」　を左のリストから選択して下さい。"));
    page.click_pitch_row(1);  // S2 at SB
    page.click_pitch_row(1);  // the same member cannot be member 2
    EXPECT_EQ(page.state().member_2, QString());
    page.click_pitch_row(4);  // S5 at CB
    ASSERT_EQ(refusal_of(page), QString());
    EXPECT_EQ(page.state().pitch[1].member, QStringLiteral(u"S5"));
    EXPECT_EQ(page.state().pitch[4].member, QStringLiteral(u"S2"));
    EXPECT_EQ(page.state().pitch[1].position, QStringLiteral(u"SB"));
    EXPECT_FALSE(page.state().pitch[1].cautioned);
    EXPECT_TRUE(page.state().pitch[4].cautioned);
    EXPECT_EQ(page.state().lines.back().content, QStringLiteral(u"SB → CB - S2     CB → SB - S5"));
    EXPECT_TRUE(page.state().member_1_next);
}

TEST(EventKinds, AFormationChangePreviewsThenAssignsPositions) {
    EventPage page = page_of();
    page.choose_kind(KindOption::formation_change);
    page.choose_formation_change(QStringLiteral(u"4-4-2"));
    EXPECT_EQ(refusal_of(page), QStringLiteral(u"フォーメーションが変更されていません。"));
    page.choose_formation_change(QStringLiteral(u"3-5-2"));
    EXPECT_EQ(page.state().pitch[10].member, QStringLiteral(u"→　　　CF"));
    EXPECT_EQ(page.state().pitch[8].member, QStringLiteral(u"→　　　OH"));
    EXPECT_EQ(page.state().pitch[0].member, QStringLiteral(u"S1"));
    ASSERT_EQ(refusal_of(page), QString());
    EXPECT_EQ(page.state().pitch[10].member, QStringLiteral(u"S11"));
    EXPECT_EQ(page.state().pitch[8].position, QStringLiteral(u"OH"));
    EXPECT_EQ(page.state().pitch[1].position, QStringLiteral(u"CB"));
    EXPECT_EQ(page.state().current_formation, QStringLiteral(u"3-5-2"));
    EXPECT_EQ(page.state().lines.back().content, QStringLiteral(u"4-4-2 → 3-5-2"));
    EXPECT_EQ(page.state().event_field_count, 25);
    EXPECT_EQ(page.state().event_fields.value(43 + 2), QStringLiteral(u"3-5-2"));
    EXPECT_EQ(page.state().event_fields.value(43 + 3 + 2 * 8), QStringLiteral(u"OH"));

    // A formation of fewer outfield players changes only the rows its counts reach.
    page.choose_formation_change(QStringLiteral(u"小さい"));
    EXPECT_EQ(page.state().pitch[10].member, QStringLiteral(u"→　　　CF"));
    EXPECT_EQ(page.state().pitch[9].member, QStringLiteral(u"S10"));
    // Another kind takes the preview back.
    page.choose_kind(KindOption::card);
    EXPECT_EQ(page.state().pitch[10].member, QStringLiteral(u"S11"));
    page.choose_kind(KindOption::formation_change);
    page.choose_formation_change(QStringLiteral(u"名前のない形"));
    EXPECT_EQ(refusal_of(page), QStringLiteral(u"フォーメーションが変更されていません。"));
}

}  // namespace
}  // namespace kl
