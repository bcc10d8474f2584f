#include "stats/list_sorting.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace kl {
namespace {

StatsRow row(const char16_t* name, const char16_t* minutes, const char16_t* goals) {
    return {QString::fromUtf16(name), QString::fromUtf16(minutes), QString::fromUtf16(goals),
            QStringLiteral(u"0"),     QStringLiteral(u"0"),        QStringLiteral(u"0")};
}

QStringList names(const std::vector<StatsRow>& rows) {
    QStringList result;
    for (const StatsRow& r : rows) {
        result.append(r[0]);
    }
    return result;
}

TEST(StatsSorting, NumericColumnsSortDescendingKeepingTiesAndNeverReverse) {
    std::vector<StatsRow> rows = {row(u"A", u"20", u"1"), row(u"B", u"100", u"2"), row(u"C", u"90", u"1"),
                                  row(u"D", u"20", u"2")};
    descending_rebuild_sort(rows, 2);
    EXPECT_EQ(names(rows), (QStringList{QStringLiteral(u"B"), QStringLiteral(u"D"), QStringLiteral(u"A"),
                                        QStringLiteral(u"C")}));
    descending_rebuild_sort(rows, 1);
    EXPECT_EQ(names(rows), (QStringList{QStringLiteral(u"B"), QStringLiteral(u"C"), QStringLiteral(u"D"),
                                        QStringLiteral(u"A")}));
    descending_rebuild_sort(rows, 1);
    EXPECT_EQ(names(rows), (QStringList{QStringLiteral(u"B"), QStringLiteral(u"C"), QStringLiteral(u"D"),
                                        QStringLiteral(u"A")}));

    // The list's own sorting compares texts: "100" comes before "20".
    ascending_text_sort(rows, 1);
    EXPECT_EQ(names(rows), (QStringList{QStringLiteral(u"B"), QStringLiteral(u"D"), QStringLiteral(u"A"),
                                        QStringLiteral(u"C")}));

    std::vector<StatsRow> empty;
    descending_rebuild_sort(empty, 1);
    EXPECT_TRUE(empty.empty());
}

TEST(StatsSorting, ThePositionColumnRestoresTheFixedOrder) {
    std::vector<StatsRow> rows;
    for (const QString& label : position_row_labels()) {
        rows.push_back(
            {label, label == QStringLiteral(u"GK") ? QStringLiteral(u"90") : QStringLiteral(u"0")});
    }
    rows[0][1] = QStringLiteral(u"90");
    descending_rebuild_sort(rows, 1);
    EXPECT_EQ(rows[0][0], QStringLiteral(u"合計"));
    EXPECT_EQ(rows[1][0], QStringLiteral(u"GK"));
    fixed_position_order(rows);
    EXPECT_EQ(names(rows), QStringList(position_row_labels().begin(), position_row_labels().end()));
}

}  // namespace
}  // namespace kl
