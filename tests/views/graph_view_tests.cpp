#include "support/game_builder.h"
#include "support/main_window_fixture.h"
#include "views/graph_data_view.h"

#include <gtest/gtest.h>
#include <QAbstractBarSeries>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolTip>
#include <QTreeView>

namespace kl {
namespace {

using test::GameBuilder;

// A main window on three games: a league win with a substitute, a cup game won in extra time, and
// a goalless league draw.
class GraphView : public test::MainWindowOnTeam {
  protected:
    void SetUp() override {
        InTemporaryFolder::SetUp();
        GameBuilder win;
        win.goal(10, QStringLiteral(u"S10"), QStringLiteral(u"S9"))
            .conceded(20)
            .goal(30, QStringLiteral(u"S10"));
        win.substitution(60, QStringLiteral(u"CF"), QStringLiteral(u"R1"), QStringLiteral(u"S10"));
        GameBuilder cup;
        cup.date = QStringLiteral(u"2006/05/01");
        cup.meeting = QStringLiteral(u"カップ戦");
        cup.with_extra_time(QStringLiteral(u"ゴールデンゴール方式"), 20);
        cup.goal(97, QStringLiteral(u"S11"), {}, QStringLiteral(u"ゴールデンゴール"));
        GameBuilder draw;
        draw.date = QStringLiteral(u"2006/06/01");
        win.card(50, QStringLiteral(u"警告"), QStringLiteral(u"S3"));
        draw.card(50, QStringLiteral(u"警告"), QStringLiteral(u"S3"));
        start_on({QStringLiteral(u"[チーム名]"), QStringLiteral(u"テストFC"), QStringLiteral(u"[試合データ]"),
                  win.line(), cup.line(), draw.line()});
        find<QAction>(u"tb_main_graph")->trigger();
    }
    GraphDataView* view() { return find<GraphDataView>(u"fr_data_4"); }
    // A chart, its page shown first: a page's charts are drawn when it is shown.
    QChart* chart(int index) {
        view()->ts_graph->setCurrentIndex(std::min(index, GraphDataView::chart_page_count - 1));
        return find<QChartView>(QStringLiteral(u"pt_graph_") + QString::number(index))->chart();
    }
    // The labels of a chart's bars, and how many values its first bar set holds.
    QStringList categories(int index) {
        for (QAbstractAxis* axis : chart(index)->axes()) {
            if (auto* labels = qobject_cast<QBarCategoryAxis*>(axis)) {
                return labels->categories();
            }
        }
        return {};
    }
    int bars(int index) {
        auto* series = qobject_cast<QAbstractBarSeries*>(chart(index)->series().value(0));
        return series != nullptr && !series->barSets().isEmpty() ? series->barSets()[0]->count() : -1;
    }
    void update() { find<QPushButton>(u"cm_graph")->click(); }
    QTreeView* squad() { return find<QTreeView>(u"lstv_squad"); }
    int squad_rows() { return squad()->model()->rowCount(); }
    QString squad_cell(int row, int column) { return squad()->model()->index(row, column).data().toString(); }
    QStringList column(int index) {
        QStringList texts;
        for (int row = 0; row < squad_rows(); ++row) {
            texts.append(squad_cell(row, index));
        }
        return texts;
    }
    test::MessageBoxAnswerer answerer_;
};

TEST_F(GraphView, TheChartViewIsTheFifthViewAfterThePersonalButton) {
    EXPECT_TRUE(find<QWidget>(u"fr_data_4")->isVisible());
    EXPECT_FALSE(find<QWidget>(u"fr_data_0")->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral(u"Kickledger - テストFC  [グラフ]"));
    QAction* graph = find<QAction>(u"tb_main_graph");
    EXPECT_EQ(graph->text(), QStringLiteral(u"グラフ"));
    EXPECT_TRUE(graph->isChecked());
    EXPECT_TRUE(find<QAction>(u"menu_game_reference5")->isChecked());
    // Placed after 個人; the numbered buttons keep their indexes.
    const QList<QAction*> buttons = find<QToolBar>(u"tb_main")->actions();
    const qsizetype at = buttons.indexOf(graph);
    EXPECT_EQ(buttons[at - 1], find<QAction>(u"tb_main_15"));
    EXPECT_EQ(buttons[at + 1], find<QAction>(u"tb_main_16"));
    // Before 項目 stand sixteen numbered buttons, ライブ and グラフ.
    EXPECT_EQ(buttons.indexOf(find<QAction>(u"tb_main_17")), 18);
    ASSERT_NE(graph->actionGroup(), nullptr);
    EXPECT_EQ(graph->actionGroup(), find<QAction>(u"tb_main_12")->actionGroup());

    find<QAction>(u"tb_main_15")->trigger();
    EXPECT_FALSE(graph->isChecked());
    QAction* entry = find<QAction>(u"menu_game_reference5");
    EXPECT_EQ(entry->text(), QStringLiteral(u"グラフ"));
    EXPECT_EQ(entry->shortcut(), QKeySequence(Qt::Key_F9));
    entry->trigger();
    EXPECT_TRUE(find<QWidget>(u"fr_data_4")->isVisible());
    EXPECT_TRUE(graph->isChecked());
    EXPECT_FALSE(find<QAction>(u"menu_game_reference4")->isChecked());
}

TEST_F(GraphView, UpdateFillsEveryChartAndTheSquad) {
    EXPECT_EQ(bars(0), 0);
    EXPECT_EQ(squad_rows(), 0);
    EXPECT_EQ(find<QLabel>(u"lb_caution")->text(), QString());  // nothing computed, nothing summed up
    EXPECT_FALSE(view()->computed());
    update();
    EXPECT_TRUE(view()->computed());
    EXPECT_EQ(categories(0),
              (QStringList{QStringLiteral(u"04/01"), QStringLiteral(u"05/01"), QStringLiteral(u"06/01")}));
    EXPECT_EQ(bars(0), 3);
    // Goals against stand below zero, labelled as counts; one set of grid lines.
    auto* goals = qobject_cast<QCategoryAxis*>(chart(0)->axes(Qt::Vertical, chart(0)->series()[0]).value(0));
    ASSERT_NE(goals, nullptr);
    EXPECT_LT(goals->min(), 0);
    for (const QString& label : goals->categoriesLabels()) {
        EXPECT_FALSE(label.contains(u'-')) << label.toStdString();
    }
    qsizetype with_grid = 0;
    for (QAbstractAxis* axis : chart(0)->axes()) {
        with_grid += axis->isGridLineVisible() ? 1 : 0;
    }
    EXPECT_EQ(with_grid, 1);
    EXPECT_EQ(categories(1),
              (QStringList{QStringLiteral(u"S9"), QStringLiteral(u"S11"), QStringLiteral(u"S10")}));
    EXPECT_EQ(bars(2), 14);
    EXPECT_EQ(categories(2).back(), QStringLiteral(u"S1（277分）"));
    EXPECT_EQ(categories(3).back(), QStringLiteral(u"延長"));
    EXPECT_EQ(categories(4).front(), QStringLiteral(u"オウンゴール"));
    for (int index = 4; index < 7; ++index) {
        EXPECT_EQ(bars(index), categories(index).size());
    }
    EXPECT_EQ(squad_rows(), 14);
    // Who played most comes first; the goalkeeper's columns only for the goalkeeper.
    EXPECT_EQ(squad_cell(0, 0), QStringLiteral(u"S1"));
    EXPECT_EQ(squad_cell(0, 10), QStringLiteral(u"1"));
    EXPECT_EQ(squad_cell(0, 11), QStringLiteral(u"2"));
    EXPECT_EQ(squad_cell(1, 10), QString());
    EXPECT_EQ(find<QLabel>(u"lb_caution")->text(),
              QStringLiteral(u"警告の累積\nリーグ戦　S3　2回（2006/04/01, 2006/06/01）"));

    // Hovering a bar names its game.
    auto* results = qobject_cast<QAbstractBarSeries*>(chart(0)->series()[0]);
    emit results->hovered(true, 1, results->barSets()[0]);
    EXPECT_EQ(QToolTip::text(), QStringLiteral(u"2006/05/01 10:00\n青葉FC\n1-0　勝"));
    emit results->hovered(false, 1, results->barSets()[0]);

    // The games changed: the charts go as the team list does.
    window->refresh_game_lists();
    EXPECT_EQ(bars(0), 0);
    EXPECT_EQ(squad_rows(), 0);
    EXPECT_EQ(find<QLabel>(u"lb_caution")->text(), QString());
    EXPECT_FALSE(view()->computed());
}

// More games than fit the page's width: the results trend shows months, each bar exact, while the
// text of the view keeps every game.
class GraphViewOfALongSeason : public test::MainWindowOnTeam {
  protected:
    void SetUp() override {
        InTemporaryFolder::SetUp();
        QStringList lines = {QStringLiteral(u"[チーム名]"), QStringLiteral(u"テストFC"),
                             QStringLiteral(u"[試合データ]")};
        for (int day = 1; day <= 60; ++day) {
            GameBuilder game;
            const int month = 4 + (day - 1) / 20;
            game.date = QStringLiteral(u"2006/%1/%2")
                            .arg(month, 2, 10, QLatin1Char('0'))
                            .arg((day - 1) % 20 + 1, 2, 10, QLatin1Char('0'));
            if (day % 3 == 0) {
                game.goal(10, QStringLiteral(u"S10"));
            }
            lines.append(game.line());
        }
        start_on(lines);
        find<QAction>(u"tb_main_graph")->trigger();
        find<QPushButton>(u"cm_graph")->click();
    }
};

TEST_F(GraphViewOfALongSeason, TheTrendGroupsGamesByMonthAndTheTextKeepsEveryGame) {
    auto* months = qobject_cast<QBarCategoryAxis*>(
        find<QChartView>(u"pt_graph_0")->chart()->axes(Qt::Horizontal).value(0));
    ASSERT_NE(months, nullptr);
    EXPECT_EQ(months->categories(), (QStringList{QStringLiteral(u"2006/04"), QStringLiteral(u"2006/05"),
                                                 QStringLiteral(u"2006/06")}));
    auto* results = qobject_cast<QAbstractBarSeries*>(find<QChartView>(u"pt_graph_0")->chart()->series()[0]);
    // Each month: 7 wins (a goal each) and 13 goalless draws; the bar of the wins' goals shows 7.
    EXPECT_EQ(results->barSets()[0]->at(1), 7);
    emit results->hovered(true, 1, results->barSets()[0]);
    EXPECT_EQ(QToolTip::text(),
              QStringLiteral(u"2006/05（20試合）\n7勝 13分 0敗\n得点 7　失点 0\n勝点 34（累計 66）"));
    emit results->hovered(false, 1, results->barSets()[0]);
    find<QAction>(u"menu_copy")->trigger();
    EXPECT_TRUE(QApplication::clipboard()->text().contains(QStringLiteral(u"2006/06/20\t10:00\t")));
}

// Wide enough for a bar per game, the trend shows each game again; narrow again, the months.
TEST_F(GraphViewOfALongSeason, TheTrendFollowsTheWidthOfItsPage) {
    const auto bars = [this] {
        QApplication::processEvents();  // the page's new width is looked at once the resizing is done
        QApplication::processEvents();
        auto* axis = qobject_cast<QBarCategoryAxis*>(
            find<QChartView>(u"pt_graph_0")->chart()->axes(Qt::Horizontal).value(0));
        return axis != nullptr ? axis->count() : -1;
    };
    window->resize(3200, 1000);
    EXPECT_EQ(bars(), 60);
    window->resize(720, 640);
    EXPECT_EQ(bars(), 3);
}

// The games changed while the charts were not shown: they are empty when shown again, and neither
// printed nor copied as the last computation.
TEST_F(GraphView, ChartsOfGamesChangedMeanwhileAreEmptyWhenShownAgain) {
    update();
    ASSERT_EQ(bars(0), 3);
    find<QAction>(u"tb_main_12")->trigger();
    window->refresh_game_lists();
    EXPECT_FALSE(view()->computed());
    find<QAction>(u"tb_main_graph")->trigger();
    EXPECT_EQ(bars(0), 0);
    EXPECT_EQ(squad_rows(), 0);
    EXPECT_EQ(find<QLabel>(u"lb_caution")->text(), QString());
    find<QAction>(u"menu_print")->trigger();
    EXPECT_EQ(answerer_.last_text(), QStringLiteral(u"印刷するデータがありません。"));
}

TEST_F(GraphView, TheFilterIsCheckedAsInTheTeamView) {
    find<QCheckBox>(u"ck_graph_date")->setChecked(true);
    EXPECT_TRUE(find<QComboBox>(u"cb_date_4")->isEnabled());
    update();
    EXPECT_EQ(answerer_.last_text(), QStringLiteral(u"「期間」　を選択して下さい。"));
    find<QComboBox>(u"cb_date_4")->setCurrentIndex(2);
    find<QComboBox>(u"cb_date_5")->setCurrentIndex(0);
    update();
    EXPECT_EQ(answerer_.last_text(),
              QStringLiteral(u"左ボックスは右ボックスより前の日付を選択して下さい。。"));
    find<QCheckBox>(u"ck_graph_date")->setChecked(false);
    find<QCheckBox>(u"ck_graph_meeting")->setChecked(true);
    update();
    EXPECT_EQ(answerer_.last_text(), QStringLiteral(u"「大会名」　を選択して下さい。"));
    EXPECT_EQ(answerer_.seen().size(), 3u);
    EXPECT_EQ(bars(0), 0);
    find<QComboBox>(u"cb_graph_meeting")->setCurrentIndex(0);
    EXPECT_EQ(find<QComboBox>(u"cb_graph_meeting")->currentText(), QStringLiteral(u"カップ戦"));
    update();
    EXPECT_EQ(bars(0), 1);
    // A refused update leaves the last computation.
    find<QCheckBox>(u"ck_graph_date")->setChecked(true);
    find<QComboBox>(u"cb_date_4")->setCurrentIndex(2);
    find<QComboBox>(u"cb_date_5")->setCurrentIndex(0);
    update();
    EXPECT_EQ(answerer_.seen().size(), 4u);
    EXPECT_EQ(bars(0), 1);
}

TEST_F(GraphView, TheSquadSortsNumbersAsNumbers) {
    update();
    squad()->sortByColumn(4, Qt::AscendingOrder);
    EXPECT_EQ(column(4).mid(0, 4), (QStringList{QStringLiteral(u"0"), QStringLiteral(u"0"),
                                                QStringLiteral(u"30"), QStringLiteral(u"247")}));
    EXPECT_EQ(column(4).back(), QStringLiteral(u"277"));
    squad()->sortByColumn(5, Qt::DescendingOrder);
    EXPECT_EQ(column(5).front(), QStringLiteral(u"100%"));
    EXPECT_EQ(column(5).back(), QStringLiteral(u"0%"));
    // Members who never kept goal have no number there and sort below every number.
    squad()->sortByColumn(10, Qt::DescendingOrder);
    EXPECT_EQ(column(10).front(), QStringLiteral(u"1"));
    squad()->sortByColumn(0, Qt::AscendingOrder);
    EXPECT_EQ(column(0).mid(0, 3),
              (QStringList{QStringLiteral(u"R1"), QStringLiteral(u"R2"), QStringLiteral(u"R3")}));
}

TEST_F(GraphView, TheTeamViewShowsResultsByDecisionBelowItsTotals) {
    find<QAction>(u"tb_main_14")->trigger();
    auto* detail = find<QLabel>(u"lb_game_detail");
    EXPECT_EQ(detail->text(), QString());
    find<QPushButton>(u"cm_setting")->click();
    EXPECT_EQ(detail->text(), QStringLiteral(u"（内訳）規定時間: 1勝 1分 0敗　延長: 1勝 0敗　PK: 0勝 0敗"));
    QApplication::processEvents();
    EXPECT_GT(detail->y(), find<QLabel>(u"lb_game")->y());
    // The team view's copy text stays as it was.
    find<QAction>(u"tb_main_7")->trigger();
    EXPECT_FALSE(QApplication::clipboard()->text().contains(QStringLiteral(u"内訳")));
}

TEST_F(GraphView, CopyGivesTheChartsAsText) {
    update();
    find<QAction>(u"menu_copy")->trigger();
    const QString copied = QApplication::clipboard()->text();
    EXPECT_TRUE(
        copied.startsWith(QStringLiteral(u"（内訳）規定時間: 1勝 1分 0敗　延長: 1勝 0敗　PK: 0勝 0敗\r\n")));
    EXPECT_EQ(copied, view()->copy_text());
}

TEST_F(GraphView, EachChartSavesAsPngOrSvg) {
    update();
    window->resize(900, 700);
    QApplication::processEvents();
    const QString png = path(QStringLiteral(u"結果.png"));
    EXPECT_FALSE(view()->save_chart_image(0, {png, ImageFormat::png}).has_value());
    const QImage image(png);
    ASSERT_FALSE(image.isNull());
    EXPECT_GT(image.width(), 300);
    int coloured = 0;
    for (int y = 0; y < image.height(); y += 4) {
        for (int x = 0; x < image.width(); x += 4) {
            const QColor pixel = image.pixelColor(x, y);
            coloured += pixel.saturation() > 100 ? 1 : 0;
        }
    }
    EXPECT_GT(coloured, 100);  // bars, not an empty page

    // The page of three charts, which is not on screen, as SVG.
    const QString svg = path(QStringLiteral(u"形.svg"));
    EXPECT_FALSE(view()->save_chart_image(4, {svg, ImageFormat::svg}).has_value());
    const QByteArray drawing = test::read_bytes(svg);
    EXPECT_TRUE(drawing.contains("<svg"));
    EXPECT_TRUE(drawing.contains(QStringLiteral(u"得点の形").toUtf8()));

    const std::optional<md::UserMessage> refused =
        view()->save_chart_image(0, {path(QStringLiteral(u"無い/結果.png")), ImageFormat::png});
    ASSERT_TRUE(refused.has_value());
    EXPECT_EQ(refused->title, QStringLiteral(u"保存エラー"));
}

TEST_F(GraphView, TheContextMenuAsksWhereToSaveAndAddsTheChosenSuffix) {
    update();
    auto* views = find<QChartView>(u"pt_graph_5");
    QAction* save = find<QAction>(u"menu_graph_save_4");
    EXPECT_TRUE(views->actions().contains(save));
    EXPECT_EQ(views->contextMenuPolicy(), Qt::ActionsContextMenu);
    EXPECT_EQ(save->text(), QStringLiteral(u"画像として保存..."));
    QString proposed;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        proposed = dialog->selectedFiles().value(0);
        dialog->selectFile(path(QStringLiteral(u"形")));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    save->trigger();
    EXPECT_TRUE(proposed.endsWith(QStringLiteral(u"/テストFC_得点の形.png")));
    EXPECT_FALSE(QImage(path(QStringLiteral(u"形.png"))).isNull());
}

}  // namespace
}  // namespace kl
