#include "entry/game_info.h"
#include "support/game_builder.h"

#include <gtest/gtest.h>

namespace kl {
namespace {

const QDate today(2006, 4, 20);

QString shifted(const char16_t* date, DateButton button) {
    return shifted_date(QString::fromUtf16(date), button, today);
}

TEST(DateButtons, NeverGoPastToday) {
    EXPECT_EQ(shifted(u"2006/04/20", DateButton::day_forward), QStringLiteral(u"2006/04/20"));
    EXPECT_EQ(shifted(u"2006/04/19", DateButton::day_forward), QStringLiteral(u"2006/04/20"));
    EXPECT_EQ(shifted(u"2006/03/31", DateButton::month_forward),
              QStringLiteral(u"2006/04/20"));  // twenty days ago
    EXPECT_EQ(shifted(u"2006/02/10", DateButton::month_forward), QStringLiteral(u"2006/03/10"));
    EXPECT_EQ(shifted(u"2006/03/31", DateButton::month_back), QStringLiteral(u"2006/02/28"));
    EXPECT_EQ(shifted(u"2006/03/01", DateButton::day_back), QStringLiteral(u"2006/02/28"));
    EXPECT_EQ(shifted(u"来週", DateButton::day_back), QStringLiteral(u"来週"));
}

TEST(MeetingLabelTexts, ShowExtraTimeOnlyWhenThereIsSome) {
    const MeetingLabels golden = meeting_labels(
        {QStringLiteral(u"杯"), QStringLiteral(u"80"), QStringLiteral(u"あり"),
         QStringLiteral(u"ゴールデンゴール方式"), QStringLiteral(u"10"), QStringLiteral(u"なし")});
    EXPECT_EQ(golden.game_time, QStringLiteral(u"80　分"));
    EXPECT_EQ(golden.extra_detail, QStringLiteral(u"10　分　[ゴールデンゴール方式]"));
    const MeetingLabels plain = meeting_labels({QStringLiteral(u"L"),
                                                QStringLiteral(u"90"),
                                                QStringLiteral(u"なし"),
                                                {},
                                                {},
                                                QStringLiteral(u"あり")});
    EXPECT_EQ(plain.extra_detail, QString());
    EXPECT_EQ(plain.shoot_out, QStringLiteral(u"あり"));
}

TEST(GameInfoChecks, ComeInOrderAndRefuseAStoredGame) {
    md::DataStore store;
    test::GameBuilder stored;
    store.game_lines = {stored.line()};
    auto text = [&](const GameInfo& info) {
        const std::optional<md::UserMessage> refusal = check_game_info(info, store);
        return refusal ? refusal->text : QString();
    };
    // The recorder box starts with "1": an empty form reports the start time first.
    GameInfo info{QStringLiteral(u"1"), QStringLiteral(u"2006/04/01"), {}, {}, {}, {}, {}};
    EXPECT_EQ(text(info), QStringLiteral(u"「開始時間」　が入力されていません。"));
    info.hour = QStringLiteral(u"10");
    info.minute = QStringLiteral(u"00");
    EXPECT_EQ(text(info), QStringLiteral(u"「場所」　が入力されていません。"));
    info.ground = stored.ground;
    EXPECT_EQ(text(info), QStringLiteral(u"「対戦相手」　が入力されていません。"));
    info.opponent = stored.opponent;
    EXPECT_EQ(text(info), QStringLiteral(u"「大会名」　が選択されていません。"));
    info.meeting = QStringLiteral(u"別の大会");
    EXPECT_EQ(text(info), QStringLiteral(u"「日付」　「開始時間」　「場所」　「対戦相手」　が同一のデータが存"
                                         u"在します。どれかを訂正して下さい。"));
    info.minute = QStringLiteral(u"05");
    EXPECT_EQ(text(info), QString());
    info.recorder.clear();
    EXPECT_EQ(text(info), QStringLiteral(u"「起票者」　が入力されていません。"));
    info.recorder = QStringLiteral(u"記録,者");
    EXPECT_EQ(text(info), QStringLiteral(u"名前に　「,」　は使えません。変更して下さい。"));
    // Every typed text is checked, the date box in its own words.
    info.recorder = QStringLiteral(u"記録者");
    info.date = QStringLiteral(u"2006/04,01");
    EXPECT_EQ(text(info), QStringLiteral(u"日付に　「,」　は使えません。変更して下さい。"));
    info.date = QStringLiteral(u"2006/04/01\n");
    EXPECT_EQ(text(info), QStringLiteral(u"日付に　「制御文字」　は使えません。変更して下さい。"));
    info.date = QStringLiteral(u"2006/04/01");
    info.opponent = QStringLiteral(u"青葉\tFC");
    EXPECT_EQ(text(info), QStringLiteral(u"名前に　「制御文字」　は使えません。変更して下さい。"));
}

TEST(GameInfoFields, CopyTheMeetingsRules) {
    const GameInfo info{QStringLiteral(u"R"),  QStringLiteral(u"2006/04/01"), QStringLiteral(u"09"),
                        QStringLiteral(u"05"), QStringLiteral(u"G"),          QStringLiteral(u"O"),
                        QStringLiteral(u"杯")};
    const QStringList fields =
        game_info_fields(info, {QStringLiteral(u"杯"), QStringLiteral(u"80"), QStringLiteral(u"あり"),
                                QStringLiteral(u"前・後半"), QStringLiteral(u"20"), QStringLiteral(u"あり")});
    EXPECT_EQ(fields,
              (QStringList{QStringLiteral(u"R"), QStringLiteral(u"2006/04/01"), QStringLiteral(u"09:05"),
                           QStringLiteral(u"G"), QStringLiteral(u"O"), QStringLiteral(u"杯"),
                           QStringLiteral(u"80"), QStringLiteral(u"あり"), QStringLiteral(u"前・後半"),
                           QStringLiteral(u"20"), QStringLiteral(u"あり")}));
    EXPECT_EQ(hour_choices().size(), 24);
    EXPECT_EQ(minute_choices().back(), QStringLiteral(u"55"));
}

}  // namespace
}  // namespace kl
