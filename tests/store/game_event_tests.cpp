#include "store/event_composer.h"
#include "store/game_record.h"

#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace md {
namespace {

QString record_with(const QStringList& event_fields) {
    QStringList fields = QStringList(43, QStringLiteral(u"x"));
    fields += event_fields;
    return compose_record_line(fields, static_cast<int>(event_fields.size()));
}

std::vector<GameEvent> decode(const QStringList& event_fields) {
    const std::optional<GameRecord> record = GameRecord::parse(record_with(event_fields));
    return record ? record->events : std::vector<GameEvent>{};
}

const GoalDetail finish{QStringLiteral(u"右足"), QStringLiteral(u"中央（エリア内）"),
                        QStringLiteral(u"被アシスト")};
const GoalDetail assist{QStringLiteral(u"頭"), QStringLiteral(u"右サイド"), QStringLiteral(u"CK")};

TEST(EventDecoder, FindsEveryKindByItsFieldCount) {
    PitchRows rows;
    for (int r = 0; r < 11; ++r) {
        rows[static_cast<size_t>(r)] = {QStringLiteral(u"CB"),
                                        r == 3 ? QString() : QStringLiteral(u"m") + QString::number(r)};
    }
    QStringList fields;
    fields += compose_substitution(QStringLiteral(u"46"), QStringLiteral(u"CH"), QStringLiteral(u"吉田"),
                                   QStringLiteral(u"伊藤"));
    fields += compose_position_change(QStringLiteral(u"50"), QStringLiteral(u"CB"), QStringLiteral(u"鈴木"),
                                      QStringLiteral(u"SB"), QStringLiteral(u"高橋"));
    fields += compose_card(QStringLiteral(u"52"), QStringLiteral(u"警告（退場）"), QStringLiteral(u"中村"));
    fields += compose_goal(QStringLiteral(u"60"), {}, QStringLiteral(u"高橋"), finish,
                           QStringLiteral(u"田中"), assist);
    fields += compose_conceded(QStringLiteral(u"70"), {}, finish, assist);
    fields += compose_formation_change(QStringLiteral(u"75"), QStringLiteral(u"3-5-2"), rows);
    // Names that are kind words do not start events: only field counts do.
    fields += compose_card(QStringLiteral(u"80"), QStringLiteral(u"警告"), QStringLiteral(u"失点"));
    fields += compose_shoot_out(true, {QStringLiteral(u"1"), QStringLiteral(u"交代"), QStringLiteral(u"0")});

    const std::vector<GameEvent> events = decode(fields);
    ASSERT_EQ(events.size(), 8u);
    EXPECT_EQ(events[0].kind, EventKind::Substitution);
    EXPECT_EQ(events[0].member_in(), QStringLiteral(u"吉田"));
    EXPECT_EQ(events[0].member_out(), QStringLiteral(u"伊藤"));
    EXPECT_EQ(events[0].slot_position(), QStringLiteral(u"CH"));
    EXPECT_EQ(events[1].member_2(), QStringLiteral(u"高橋"));
    EXPECT_EQ(events[1].new_position_2(), QStringLiteral(u"SB"));
    EXPECT_TRUE(events[2].sends_off());
    EXPECT_EQ(events[3].assister(), QStringLiteral(u"田中"));
    EXPECT_EQ(events[3].assist(), assist);
    EXPECT_EQ(events[3].finish(), finish);
    EXPECT_EQ(events[4].kind, EventKind::Conceded);
    EXPECT_EQ(events[4].finish(), finish);
    EXPECT_EQ(events[4].play_before(), assist);
    EXPECT_EQ(events[5].new_formation(), QStringLiteral(u"3-5-2"));
    EXPECT_EQ(events[5].row_member(3), QString());
    EXPECT_EQ(events[5].row_member(10), QStringLiteral(u"m10"));
    EXPECT_EQ(events[6].carded_member(), QStringLiteral(u"失点"));
    EXPECT_EQ(events[7].kind, EventKind::ShootOut);
    EXPECT_EQ(events[7].kicks().size(), 2u);

    QStringList recomposed;
    for (const GameEvent& event : events) {
        recomposed += event.fields;
    }
    EXPECT_EQ(recomposed, fields);
}

TEST(EventDecoder, ShootOutKicksAlternateFromTheFirstKickingSide) {
    const QString one = QStringLiteral(u"1");
    const QString zero = QStringLiteral(u"0");
    // Own team first: own (1, A), opponent 0, own (1, B), opponent 1, own (0, C) - the last round cut short.
    const std::vector<GameEvent> first = decode(compose_shoot_out(
        true, {one, QStringLiteral(u"A"), zero, one, QStringLiteral(u"B"), one, zero, QStringLiteral(u"C")}));
    ASSERT_EQ(first.size(), 1u);
    const std::vector<ShootOutKick> kicks = first[0].kicks();
    ASSERT_EQ(kicks.size(), 5u);
    EXPECT_TRUE(kicks[0].own);
    EXPECT_EQ(kicks[2].kicker, QStringLiteral(u"B"));
    EXPECT_FALSE(kicks[3].own);
    EXPECT_EQ(first[0].shoot_out_score().own, 2);
    EXPECT_EQ(first[0].shoot_out_score().opponent, 1);

    // Own team second: the kicks begin with a one-field opponent kick.
    const std::vector<GameEvent> second =
        decode(compose_shoot_out(false, {one, zero, QStringLiteral(u"A"), one}));
    ASSERT_EQ(second.size(), 1u);
    EXPECT_FALSE(second[0].kicks()[0].own);
    EXPECT_EQ(second[0].kicks()[1].kicker, QStringLiteral(u"A"));
    EXPECT_EQ(second[0].shoot_out_score().opponent, 2);
    EXPECT_EQ(second[0].shoot_out_score().own, 0);
}

GameEvent single(const QStringList& fields) {
    const std::vector<GameEvent> events = decode(fields);
    return events.empty() ? GameEvent{} : events.front();
}

TEST(EventListLine, ShowsEachKindWithItsTextAndColour) {
    const QString t = QStringLiteral(u"12");
    auto line = [](const QStringList& fields, const QString& before = {}) {
        return event_list_line(single(fields), before);
    };

    EXPECT_EQ(
        line(compose_substitution(t, QStringLiteral(u"CH"), QStringLiteral(u"吉田"), QStringLiteral(u"伊藤")))
            .content,
        QStringLiteral(u"IN - 吉田     OUT - 伊藤"));
    EXPECT_EQ(line(compose_position_change(t, QStringLiteral(u"CB"), QStringLiteral(u"鈴木"),
                                           QStringLiteral(u"SB"), QStringLiteral(u"高橋")))
                  .content,
              QStringLiteral(u"SB → CB - 鈴木     CB → SB - 高橋"));

    const EventListLine caution = line(compose_card(t, QStringLiteral(u"警告"), QStringLiteral(u"中村")));
    EXPECT_EQ(caution.content, QStringLiteral(u"警告 - 中村"));
    EXPECT_EQ(caution.colour, LineColour::yellow);
    const EventListLine second =
        line(compose_card(t, QStringLiteral(u"警告（退場）"), QStringLiteral(u"中村")));
    EXPECT_EQ(second.content, QStringLiteral(u"警告（退場） - 中村"));
    EXPECT_EQ(second.colour, LineColour::red);
    EXPECT_EQ(line(compose_card(t, QStringLiteral(u"退場"), QStringLiteral(u"中村"))).colour,
              LineColour::red);

    const EventListLine assisted =
        line(compose_goal(t, {}, QStringLiteral(u"高橋"), finish, QStringLiteral(u"田中"), assist));
    EXPECT_EQ(assisted.time, t);
    EXPECT_EQ(assisted.kind, QStringLiteral(u"得点・アシスト"));
    EXPECT_EQ(assisted.content,
              QStringLiteral(u"得点者 - 高橋 - 中央（エリア内）   ←   アシスト者 - 田中 - 右サイド"));
    EXPECT_EQ(assisted.colour, LineColour::normal);

    const EventListLine golden = line(
        compose_goal(t, QStringLiteral(u"ゴールデンゴール"), QStringLiteral(u"高橋"), finish, {}, assist));
    EXPECT_EQ(golden.content, QStringLiteral(u"[ゴールデンゴール] 得点者 - 高橋 - 中央（エリア内）"));
    EXPECT_EQ(golden.colour, LineColour::yellow);

    const GoalDetail own{QStringLiteral(u"足"), QStringLiteral(u"左サイド"), QStringLiteral(u"シュート")};
    const EventListLine own_goal = line(
        compose_goal(t, QStringLiteral(u"シルバーゴール"), QStringLiteral(u"オウンゴール"), own, {}, {}));
    EXPECT_EQ(own_goal.content, QStringLiteral(u"[シルバーゴール] オウンゴール - 左サイド"));
    EXPECT_EQ(own_goal.colour, LineColour::grey);

    EXPECT_EQ(line(compose_conceded(t, {}, finish, assist)).content,
              QStringLiteral(u"フィニッシュ - 中央（エリア内）   ←   1プレー前 - 右サイド"));

    PitchRows rows;
    EXPECT_EQ(
        line(compose_formation_change(t, QStringLiteral(u"3-5-2"), rows), QStringLiteral(u"4-4-2")).content,
        QStringLiteral(u"4-4-2 → 3-5-2"));

    const QString one = QStringLiteral(u"1");
    const EventListLine kicks_second = line(compose_shoot_out(false, {one, one, QStringLiteral(u"A"), one}));
    EXPECT_EQ(kicks_second.time, QStringLiteral(u" -"));
    EXPECT_EQ(kicks_second.content, QStringLiteral(u"（敵）2 - （自）1"));
    EXPECT_EQ(line(compose_shoot_out(true, {one, QStringLiteral(u"A")})).content,
              QStringLiteral(u"（自）1 - （敵）0"));
}

TEST(EventComposer, AGoalWithoutAssisterKeepsFourEmptyAssistFields) {
    const QStringList fields =
        compose_goal(QStringLiteral(u"5"), {}, QStringLiteral(u"高橋"), finish, {}, assist);
    ASSERT_EQ(fields.size(), 13);
    EXPECT_EQ(fields[8], QStringLiteral(u"アシスト者"));
    EXPECT_EQ(fields.mid(9), QStringList(4, QString()));
    EXPECT_EQ(goal_mark(true, QStringLiteral(u"ゴールデンゴール方式")), QStringLiteral(u"ゴールデンゴール"));
    EXPECT_EQ(goal_mark(true, QStringLiteral(u"前・後半")), QString());
    EXPECT_EQ(goal_mark(false, QStringLiteral(u"シルバーゴール方式")), QString());
}

}  // namespace
}  // namespace md
