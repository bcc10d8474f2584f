#include "store/capacities.h"
#include "store/data_store.h"
#include "store/game_record.h"

#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace md {
namespace {

// The wizard's working table for a game without events: entries 0-42.
QStringList fixed_fields(const QString& recorder, const QString& date, const QString& time,
                         const QString& ground, const QString& opponent) {
    QStringList fields = {recorder,
                          date,
                          time,
                          ground,
                          opponent,
                          QStringLiteral(u"リーグ"),
                          QStringLiteral(u"90"),
                          QStringLiteral(u"なし"),
                          QString(),
                          QString(),
                          QStringLiteral(u"なし"),
                          QStringLiteral(u"4-4-2")};
    for (int row = 0; row < 11; ++row) {
        fields += {row == 0 ? QStringLiteral(u"GK") : QStringLiteral(u"CB"),
                   QStringLiteral(u"選手") + QString::number(row)};
    }
    fields += QStringList(9, QString());
    fields[34] = QStringLiteral(u"控え");
    return fields;
}

TEST(GameRecord, AGameWithoutEventsHas45Fields) {
    const QStringList entries =
        fixed_fields(QStringLiteral(u"A"), QStringLiteral(u"2006/04/01"), QStringLiteral(u"10:00"),
                     QStringLiteral(u"G"), QStringLiteral(u"O"));
    const QString line = compose_record_line(entries, 0);
    EXPECT_TRUE(line.startsWith(QStringLiteral(u"#,A,2006/04/01,10:00,G,O,")));
    EXPECT_TRUE(line.endsWith(QStringLiteral(u",控え,,,,,,,,,##")));
    EXPECT_EQ(line.split(u',').size(), 45);

    const std::optional<GameRecord> record = GameRecord::parse(line);
    ASSERT_TRUE(record);
    EXPECT_TRUE(record->events.empty());
    EXPECT_EQ(record->reserve(0), QStringLiteral(u"控え"));
    EXPECT_EQ(record->reserve(1), QString());
    EXPECT_EQ(record->starting_member(10), QStringLiteral(u"選手10"));
    EXPECT_EQ(record->field(44), QStringLiteral(u"##"));
}

TEST(GameRecord, ComposedEventFieldsFollowTheFixedOnes) {
    QStringList entries = fixed_fields(QStringLiteral(u"A"), QStringLiteral(u"2006/04/01"),
                                       QStringLiteral(u"10:00"), QStringLiteral(u"G"), QStringLiteral(u"O"));
    entries += {QStringLiteral(u"30"), QStringLiteral(u"警告・退場"), QStringLiteral(u"警告"),
                QStringLiteral(u"選手3")};
    const std::optional<GameRecord> record = GameRecord::parse(compose_record_line(entries, 4));
    ASSERT_TRUE(record);
    ASSERT_EQ(record->events.size(), 1u);
    EXPECT_EQ(record->events[0].carded_member(), QStringLiteral(u"選手3"));
    EXPECT_EQ(record->events[0].minute(), 30);
}

TEST(GameRecord, PiecesAfterTheEndMarkerAreIgnored) {
    QString line = compose_record_line(fixed_fields(QStringLiteral(u"A"), {}, {}, {}, {}), 0);
    EXPECT_EQ(split_record_line(line + QStringLiteral(u",余り,##")).size(), 45u);
    EXPECT_TRUE(is_readable_game_line(line + QStringLiteral(u",余り")));
}

TEST(FindGame, FindsEachStoredGameByItsIdentityAsTheLinesAreNow) {
    DataStore store;
    const auto identity = [](const QString& date) {
        return GameIdentity{date, QStringLiteral(u"10:00"), QStringLiteral(u"G"), QStringLiteral(u"O")};
    };
    for (const QString& date :
         {QStringLiteral(u"2006/04/01"), QStringLiteral(u"2006/04/02"), QStringLiteral(u"2006/04/03")}) {
        store.game_lines.append(
            compose_record_line(fixed_fields(QStringLiteral(u"#"), date, QStringLiteral(u"10:00"),
                                             QStringLiteral(u"G"), QStringLiteral(u"O")),
                                0));
    }
    // A recorder named "#" starts no game of its own.
    EXPECT_EQ(store.find_game(identity(QStringLiteral(u"2006/04/01"))), 0);
    EXPECT_EQ(store.find_game(identity(QStringLiteral(u"2006/04/02"))), 1);
    EXPECT_EQ(store.find_game(identity(QStringLiteral(u"2006/04/03"))), 2);
    EXPECT_EQ(store.find_game(identity(QStringLiteral(u"2006/04/02")), 1), std::nullopt);
    EXPECT_EQ(store.find_game(GameIdentity{QStringLiteral(u"2006/04/02"), QStringLiteral(u"10:00"),
                                           QStringLiteral(u"G"), QStringLiteral(u"X")}),
              std::nullopt);
    // The ground field is not the recorder's: fields are read by their place in the line.
    EXPECT_EQ(store.find_game(GameIdentity{QStringLiteral(u"#"), QStringLiteral(u"2006/04/01"),
                                           QStringLiteral(u"10:00"), QStringLiteral(u"G")}),
              std::nullopt);

    // A game whose line is gone is not found, without anything built again.
    store.game_lines.removeLast();
    EXPECT_EQ(store.find_game(identity(QStringLiteral(u"2006/04/02"))), 1);
    EXPECT_EQ(store.find_game(identity(QStringLiteral(u"2006/04/03"))), std::nullopt);
    store.game_lines.clear();

    store.game_lines.append(compose_record_line(
        fixed_fields(QStringLiteral(u"A"), QStringLiteral(u"2006/05/01"), QStringLiteral(u"10:00"),
                     QStringLiteral(u"G"), QStringLiteral(u"O")),
        0));
    EXPECT_EQ(store.find_game(identity(QStringLiteral(u"2006/05/01"))), 0);
    EXPECT_EQ(store.find_game(identity(QStringLiteral(u"2006/04/01"))), std::nullopt);
}

TEST(GameLines, SortByUtf16CodeUnitsKeepingEqualLines) {
    QStringList lines = {QStringLiteral(u"#,鈴木,2006/01/01"),
                         QStringLiteral(u"#,b"),
                         QStringLiteral(u"#,a"),
                         QStringLiteral(u"#,😀"),
                         QStringLiteral(u"#,a"),
                         QStringLiteral(u"#,Ｚ"),
                         QStringLiteral(u"#,B")};
    sort_game_lines(lines);
    // By code units a surrogate (U+D83D) sorts before the full-width Ｚ (U+FF3A).
    EXPECT_EQ(lines, (QStringList{QStringLiteral(u"#,B"), QStringLiteral(u"#,a"), QStringLiteral(u"#,a"),
                                  QStringLiteral(u"#,b"), QStringLiteral(u"#,鈴木,2006/01/01"),
                                  QStringLiteral(u"#,😀"), QStringLiteral(u"#,Ｚ")}));
}

}  // namespace
}  // namespace md
