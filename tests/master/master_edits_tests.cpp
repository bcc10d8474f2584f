#include "master/master_edits.h"
#include "store/master_lists.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace kl {
namespace {

TEST(NameListEdits, RefuseUnstorableAndDuplicateNamesByExactText) {
    const QStringList listed = {QStringLiteral(u"佐藤"), QStringLiteral(u"Sato")};
    EXPECT_FALSE(check_new_name(NameList::members, QStringLiteral(u"sato"), listed));
    EXPECT_FALSE(check_new_name(NameList::members, QStringLiteral(u"Ｓａｔｏ"), listed));
    EXPECT_EQ(check_new_name(NameList::members, QStringLiteral(u"Sato"), listed)->text,
              QStringLiteral(u"既に使われている　「メンバー名」　です。変更して下さい。"));
    EXPECT_EQ(check_new_name(NameList::grounds, QStringLiteral(u"佐藤"), listed)->text,
              QStringLiteral(u"既に使われている　「グラウンド名」　です。変更して下さい。"));
    EXPECT_EQ(check_new_name(NameList::opponents, QStringLiteral(u"佐藤"), listed)->text,
              QStringLiteral(u"既に使われている　「対戦チーム名」　です。変更して下さい。"));
    EXPECT_EQ(check_new_name(NameList::members, QStringLiteral(u"A,B"), listed)->text,
              QStringLiteral(u"名前に　「,」　は使えません。変更して下さい。"));

    EXPECT_EQ(md::line_with_name(QString(), true, QStringLiteral(u"A")), QStringLiteral(u"A"));
    EXPECT_EQ(md::line_with_name(QStringLiteral(u"B,A"), false, QStringLiteral(u"C")),
              QStringLiteral(u"B,A,C"));
    QStringList names = {QStringLiteral(u"A"), QStringLiteral(u"C")};
    EXPECT_EQ(insert_sorted(names, QStringLiteral(u"B")), 1);
    EXPECT_EQ(names, (QStringList{QStringLiteral(u"A"), QStringLiteral(u"B"), QStringLiteral(u"C")}));
}

TEST(MeetingEdits, SteppersStopAtTheirLimits) {
    EXPECT_EQ(stepped_time(85, Step::up_ten, game_time_limit), 90);
    EXPECT_EQ(stepped_time(80, Step::up_ten, game_time_limit), 90);
    EXPECT_EQ(stepped_time(79, Step::up_ten, game_time_limit), 89);
    EXPECT_EQ(stepped_time(15, Step::up_ten, extra_time_limit), 25);
    EXPECT_EQ(stepped_time(25, Step::up_ten, extra_time_limit), 30);
    EXPECT_EQ(stepped_time(30, Step::up_one, extra_time_limit), 30);
    EXPECT_EQ(stepped_time(5, Step::down_ten, game_time_limit), 0);
    EXPECT_EQ(stepped_time(10, Step::down_ten, game_time_limit), 0);
    EXPECT_EQ(stepped_time(15, Step::down_ten, game_time_limit), 5);
    EXPECT_EQ(stepped_time(0, Step::down_one, game_time_limit), 0);
}

TEST(MeetingEdits, ComposeTheLineWithAndWithoutExtraTime) {
    EXPECT_EQ(compose_meeting_line({QStringLiteral(u"杯"), 80, true, 1, 20, true}),
              QStringLiteral(u"杯,80,あり,ゴールデンゴール方式,20,あり"));
    EXPECT_EQ(compose_meeting_line({QStringLiteral(u"リーグ"), 90, false, 1, 20, false}),
              QStringLiteral(u"リーグ,90,なし,,,なし"));
    const MeetingDraft loaded =
        meeting_draft(md::parse_meeting_line(QStringLiteral(u"杯,70,なし,,,あり")), 2);
    EXPECT_EQ(loaded.game_time, 70);
    EXPECT_FALSE(loaded.extra_time);
    EXPECT_EQ(loaded.mode_index, 2);  // left as it was
    EXPECT_TRUE(loaded.shoot_out);
    EXPECT_EQ(mode_description(2),
              QStringLiteral(u"前・後半どちらかが終わった時点で得点差がある場合、試合終了となる方式"));
}

TEST(MeetingEdits, OkChecksInOrder) {
    const QStringList names = {QStringLiteral(u"杯"), QStringLiteral(u"リーグ")};
    EXPECT_EQ(check_meeting({{}, 90, true, -1, 30, false}, names, {})->message.text,
              QStringLiteral(u"「大会名」　を入力して下さい。"));
    const auto mode = check_meeting({QStringLiteral(u"杯"), 90, true, -1, 30, false}, names, {});
    EXPECT_EQ(mode->message.text, QStringLiteral(u"「延長方式」　を選択して下さい。"));
    EXPECT_EQ(mode->focus, MeetingField::mode);
    EXPECT_EQ(check_meeting({QStringLiteral(u"杯"), 90, false, -1, 30, false}, names, {})->message.text,
              QStringLiteral(u"既に使われている　「大会名」　です。変更して下さい。"));
    // Changing a meeting under its own name is accepted; taking another's is not.
    EXPECT_FALSE(
        check_meeting({QStringLiteral(u"杯"), 90, false, -1, 30, false}, names, QStringLiteral(u"杯")));
    EXPECT_TRUE(
        check_meeting({QStringLiteral(u"リーグ"), 90, false, -1, 30, false}, names, QStringLiteral(u"杯")));
}

TEST(FormationEdits, CountsStepWithinZeroToTenAndMustTotalTen) {
    EXPECT_EQ(stepped_count(10, true), 10);
    EXPECT_EQ(stepped_count(0, false), 0);
    EXPECT_EQ(stepped_count(3, true), 4);

    FormationDraft draft{QStringLiteral(u"4-4-2"), {2, 0, 0, 2, 2, 0, 2, 2, 0}};
    EXPECT_FALSE(check_formation(draft, {}, {}));
    EXPECT_EQ(compose_formation_line(draft), QStringLiteral(u"4-4-2,2,0,0,2,2,0,2,2,0"));
    draft.counts[0] = 1;
    const auto nine = check_formation(draft, {}, {});
    EXPECT_EQ(nine->message.text, QStringLiteral(u"合計人数を　「11人」　で入力して下さい。"));
    EXPECT_EQ(nine->focus, FormationField::counts);
    draft.counts[0] = 2;
    EXPECT_EQ(check_formation(draft, {QStringLiteral(u"4-4-2")}, {})->message.text,
              QStringLiteral(u"既に使われている　「フォーメーション名」　です。変更して下さい。"));
    EXPECT_FALSE(check_formation(draft, {QStringLiteral(u"4-4-2")}, QStringLiteral(u"4-4-2")));
    EXPECT_EQ(check_formation({{}, {}}, {}, {})->message.text,
              QStringLiteral(u"「フォーメーション名」　を入力して下さい。"));
}

TEST(FormationEdits, SmallSidedGamesTakeFourToElevenPlayers) {
    const QString range = QStringLiteral(u"合計人数を　「4人」　から　「11人」　で入力して下さい。");
    FormationDraft draft{QStringLiteral(u"2-3-2"), {2, 0, 0, 2, 1, 0, 2, 0, 0}};
    EXPECT_EQ(check_formation(draft, {}, {})->message.text,
              QStringLiteral(u"合計人数を　「11人」　で入力して下さい。"));
    EXPECT_FALSE(check_formation(draft, {}, {}, true));
    for (const auto& [outfield, accepted] : {std::pair{2, false}, {3, true}, {10, true}, {11, false}}) {
        FormationDraft sized{QStringLiteral(u"F"), {outfield, 0, 0, 0, 0, 0, 0, 0, 0}};
        const auto refusal = check_formation(sized, {}, {}, true);
        EXPECT_EQ(!refusal, accepted) << outfield;
        if (refusal) {
            EXPECT_EQ(refusal->message.text, range);
            EXPECT_EQ(refusal->focus, FormationField::counts);
        }
    }
    // The name comes first, and a used name is refused after the count.
    EXPECT_EQ(check_formation({{}, {}}, {}, {}, true)->message.text,
              QStringLiteral(u"「フォーメーション名」　を入力して下さい。"));
    EXPECT_EQ(check_formation(draft, {QStringLiteral(u"2-3-2")}, {}, true)->message.text,
              QStringLiteral(u"既に使われている　「フォーメーション名」　です。変更して下さい。"));
}

TEST(FormationSize, IsTheOutfieldPlayersTheRowsTakePlusTheGoalkeeper) {
    auto size_of = [](std::array<const char16_t*, 9> counts) {
        md::Formation formation{QStringLiteral(u"F"), {}};
        for (size_t i = 0; i < counts.size(); ++i) {
            formation.counts[i] = QString::fromUtf16(counts[i]);
        }
        return md::formation_size(formation);
    };
    EXPECT_EQ(size_of({u"2", u"0", u"0", u"2", u"2", u"0", u"2", u"2", u"0"}), 11);
    EXPECT_EQ(size_of({u"2", u"0", u"0", u"2", u"1", u"0", u"2", u"0", u"0"}), 8);
    // A damaged line: more than ten rows' worth, negative or no numbers.
    EXPECT_EQ(size_of({u"9", u"9", u"0", u"0", u"0", u"0", u"0", u"0", u"0"}), 11);
    EXPECT_EQ(size_of({u"-5", u"3", u"x", u"", u"0", u"0", u"0", u"0", u"0"}), 4);
    EXPECT_TRUE(md::is_small_sided(10));
    EXPECT_FALSE(md::is_small_sided(11));
}

}  // namespace
}  // namespace kl
