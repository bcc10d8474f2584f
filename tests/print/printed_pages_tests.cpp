#include "print/pdf_output.h"
#include "print/view_documents.h"
#include "stats/list_sorting.h"
#include "stats/team_stats.h"
#include "store/data_store.h"
#include "support/game_builder.h"
#include "support/pdf_reader.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

namespace kl {
namespace {

using test::in_reading_order;
using test::PdfReading;

const QDate printed_on(2024, 5, 20);

PdfReading printed(const PrintDocument& document) {
    return test::read_pdf_bytes(pdf_bytes(document, QStringLiteral(u"テスト")));
}

md::DataStore demo_season() {
    md::DataStore store;
    EXPECT_TRUE(store.load_team_file(QStringLiteral(KL_DEMO_FILE)).ok());
    return store;
}

TEST(PrintedGameList, RunsOverPagesWithTheHeaderRowOnEachAndTheRowsInTheirOrder) {
    std::vector<GameListRow> rows;
    QStringList opponents;
    for (int i = 0; i < 120; ++i) {
        const QString opponent = QStringLiteral(u"相手%1").arg(i, 3, 10, QChar(u'0'));
        rows.push_back({{QStringLiteral(u"2024/05/18 14:00"), opponent, QStringLiteral(u"3-3 (PK 4-3)"),
                         QStringLiteral(u"県大会 一覧"), QStringLiteral(u"市民グラウンド")},
                        i});
        opponents.append(opponent);
    }
    const PdfReading pdf = printed(game_list_document(QStringLiteral(u"さくらFC"), printed_on, rows));
    ASSERT_GE(pdf.pages, 3);
    ASSERT_EQ(pdf.page_texts.size(), pdf.pages);
    for (int page = 1; page <= pdf.pages; ++page) {
        EXPECT_TRUE(in_reading_order(
            pdf.page_texts[page - 1],
            {QStringLiteral(u"さくらFC"), QStringLiteral(u"試合データ一覧"), QStringLiteral(u"2024/05/20"),
             QStringLiteral(u"日付"), QStringLiteral(u"対戦相手"), QStringLiteral(u"スコア"),
             QStringLiteral(u"大会名"), QStringLiteral(u"場所")}));
        EXPECT_TRUE(pdf.page_texts[page - 1].contains(QStringLiteral(u"%1 / %2").arg(page).arg(pdf.pages)));
    }
    EXPECT_TRUE(in_reading_order(pdf.text, opponents));
    // Characters the font draws with shared glyphs, and digits among Latin letters, read back as printed.
    EXPECT_TRUE(pdf.text.contains(QStringLiteral(u"3-3 (PK 4-3)")));
    EXPECT_TRUE(pdf.text.contains(QStringLiteral(u"県大会 一覧")));
    EXPECT_TRUE(test::fonts_embedded_as_text(pdf));
}

TEST(PrintedGameDetail, EveryDemoGameIsOneScoreSheetPage) {
    const md::DataStore demo = demo_season();
    ASSERT_GE(demo.game_lines.size(), 10);
    for (const QString& line : demo.game_lines) {
        const std::optional<md::GameRecord> game = md::GameRecord::parse(line);
        ASSERT_TRUE(game.has_value());
        EXPECT_EQ(printed(game_detail_document(demo.team_name, printed_on, *game)).pages, 1)
            << game->date().toStdString();
    }
}

TEST(PrintedGameDetail, ShowsTheSheetsSectionsInOrder) {
    const md::DataStore demo = demo_season();
    const std::optional<md::GameRecord> game = md::GameRecord::parse(demo.game_lines[4]);
    ASSERT_TRUE(game.has_value());
    const PdfReading pdf = printed(game_detail_document(demo.team_name, printed_on, *game));
    EXPECT_TRUE(in_reading_order(pdf.text, {QStringLiteral(u"試合データ詳細"),
                                            QStringLiteral(u"2024/05/18"),
                                            QStringLiteral(u"市民グラウンド"),
                                            QStringLiteral(u"県大会"),
                                            QStringLiteral(u"延長[前・後半]"),
                                            QStringLiteral(u"さくらFC"),
                                            QStringLiteral(u"前半"),
                                            QStringLiteral(u"後半"),
                                            QStringLiteral(u"延長前半"),
                                            QStringLiteral(u"延長後半"),
                                            QStringLiteral(u"PK"),
                                            QStringLiteral(u"東町クラブ"),
                                            QStringLiteral(u"PK戦（先攻）"),
                                            QStringLiteral(u"得失点内容"),
                                            QStringLiteral(u"加藤 颯太"),
                                            QStringLiteral(u"警告・退場"),
                                            QStringLiteral(u"中村 陸"),
                                            QStringLiteral(u"スターティングメンバー [3-5-2]"),
                                            QStringLiteral(u"→ 井上 新"),
                                            QStringLiteral(u"リザーブメンバー"),
                                            QStringLiteral(u"その他"),
                                            QStringLiteral(u"3-5-2 → 4-4-2")}));
}

TEST(PrintedGameDetail, AGameTooLongForOnePageGoesOnToTheNext) {
    test::GameBuilder game;
    for (int minute = 1; minute <= 80; ++minute) {
        game.goal(minute, QStringLiteral(u"S9"), QStringLiteral(u"S10"));
    }
    const PdfReading pdf = printed(game_detail_document(QStringLiteral(u"T"), printed_on, game.record()));
    EXPECT_GE(pdf.pages, 2);
    EXPECT_TRUE(
        in_reading_order(pdf.text, {QStringLiteral(u"1分"), QStringLiteral(u"80分"),
                                    QStringLiteral(u"スターティングメンバー"), QStringLiteral(u"その他")}));
    EXPECT_TRUE(pdf.page_texts.back().contains(QStringLiteral(u"時間")));  // the header row again
}

TEST(PrintedStatistics, TeamDataShowsTheFilterTheTotalsAndTheMembers) {
    const md::DataStore demo = demo_season();
    const TeamStats stats = compute_team_stats(demo.game_lines, {});
    std::vector<StatsRow> rows = team_rows(stats);
    ascending_text_sort(rows, 0);
    const TeamViewContent content{QStringLiteral(u"2024/04/06 10:00"), QStringLiteral(u"2024/08/24 16:00"),
                                  QStringLiteral(u"県大会"), team_totals_line(stats.totals), rows};
    const PdfReading pdf = printed(team_data_document(demo.team_name, printed_on, content));
    EXPECT_EQ(pdf.pages, 1);
    QStringList order = {QStringLiteral(u"チームデータ"),
                         QStringLiteral(u"2024/04/06 10:00"),
                         QStringLiteral(u"2024/08/24 16:00"),
                         QStringLiteral(u"県大会"),
                         content.totals_line,
                         QStringLiteral(u"名前"),
                         QStringLiteral(u"出場時間"),
                         QStringLiteral(u"退場")};
    for (const StatsRow& row : rows) {
        order.append(row[0]);
    }
    EXPECT_TRUE(in_reading_order(pdf.text, order));
}

TEST(PrintedStatistics, PersonalDataShowsTheMemberThePositionsAndTheBreakdowns) {
    const md::DataStore demo = demo_season();
    const QString member = QStringLiteral(u"加藤 颯太");
    const PersonalStats stats = compute_personal_stats(demo.game_lines, {}, member);
    const PersonalViewContent content{member,
                                      QStringLiteral(u"2024/04/06 10:00"),
                                      QStringLiteral(u"2024/08/24 16:00"),
                                      QStringLiteral(u"春季リーグ"),
                                      personal_rows(stats),
                                      personal_copy_text(stats)};
    const PdfReading pdf = printed(personal_data_document(demo.team_name, printed_on, content, stats));
    EXPECT_EQ(pdf.pages, 1);
    EXPECT_TRUE(in_reading_order(
        pdf.text,
        {QStringLiteral(u"個人データ"), member, QStringLiteral(u"2024/04/06 10:00"),
         QStringLiteral(u"春季リーグ"), QStringLiteral(u"ポジション"), QStringLiteral(u"合計"),
         QStringLiteral(u"GK"), QStringLiteral(u"得点数 ") + QString::number(stats.positions[0].goals),
         QStringLiteral(u"ドリブル突破"), QStringLiteral(u"アシスト数 "), QStringLiteral(u"ショートパス")}));
}

TEST(PrintedPages, APdfIsWrittenWholeOrNotAtAll) {
    QTemporaryDir folder;
    const PrintDocument document = game_list_document(QStringLiteral(u"T"), printed_on, {});
    const QString path = folder.filePath(QStringLiteral(u"list.pdf"));
    EXPECT_TRUE(write_pdf(document, QStringLiteral(u"T"), path).ok);
    EXPECT_EQ(test::read_pdf(path).pages, 1);
    EXPECT_FALSE(
        write_pdf(document, QStringLiteral(u"T"), folder.filePath(QStringLiteral(u"none/list.pdf"))).ok);
}

}  // namespace
}  // namespace kl
