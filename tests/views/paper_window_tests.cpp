#include "support/file_systems.h"
#include "support/game_builder.h"
#include "support/main_window_fixture.h"
#include "support/pdf_reader.h"
#include "views/fm_help.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>

namespace kl {
namespace {

using test::GameBuilder;

// Receives what the program asks the desktop to open.
class DesktopViewer : public QObject {
    Q_OBJECT
  public:
    DesktopViewer() { QDesktopServices::setUrlHandler(QStringLiteral(u"file"), this, "open"); }
    ~DesktopViewer() override { QDesktopServices::unsetUrlHandler(QStringLiteral(u"file")); }
    QList<QUrl> opened;
  public Q_SLOTS:
    void open(const QUrl& url) { opened.append(url); }
};

QPrintPreviewDialog* open_preview() {
    return qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
}

int preview_pages(QPrintPreviewDialog* preview) {
    auto* pages = preview->findChild<QPrintPreviewWidget*>();
    return pages != nullptr ? pages->pageCount() : -1;
}

// A main window on two games of テストFC.
class PaperWindow : public test::MainWindowOnTeam {
  protected:
    void SetUp() override {
        InTemporaryFolder::SetUp();
        GameBuilder league;
        league.goal(10, QStringLiteral(u"S10"), QStringLiteral(u"S9")).conceded(20);
        GameBuilder cup;
        cup.date = QStringLiteral(u"2006/05/01");
        cup.opponent = QStringLiteral(u"赤坂SC");
        start_on({QStringLiteral(u"[チーム名]"), QStringLiteral(u"テストFC"), QStringLiteral(u"[試合データ]"),
                  league.line(), cup.line()});
    }
    void TearDown() override {
        if (QPrintPreviewDialog* preview = open_preview()) {
            preview->close();
        }
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        test::MainWindowOnTeam::TearDown();
    }
    void choose_game(int index) {
        find<QAction>(u"tb_main_13")->trigger();
        find<QComboBox>(u"cb_game_data")->setCurrentIndex(index);
    }
};

TEST_F(PaperWindow, TheFileMenuOffersPrintPdfAndExport) {
    QAction* print = find<QAction>(u"menu_print");
    EXPECT_TRUE(print->isVisible());
    EXPECT_EQ(print->text(), QStringLiteral(u"印刷(&P)"));
    EXPECT_EQ(print->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    EXPECT_EQ(find<QAction>(u"menu_pdf")->text(), QStringLiteral(u"PDFに保存(&E)..."));
    EXPECT_EQ(find<QAction>(u"menu_export")->text(), QStringLiteral(u"エクスポート(&T)..."));
}

TEST_F(PaperWindow, PrintShowsThePreviewOfTheVisibleView) {
    find<QAction>(u"tb_main_5")->trigger();
    QPrintPreviewDialog* preview = open_preview();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview_pages(preview), 1);
    EXPECT_EQ(preview->printer()->pageLayout().pageSize().id(), QPageSize::A4);
    EXPECT_EQ(preview->windowTitle(), QStringLiteral(u"印刷プレビュー - テストFC 試合データ一覧"));
    preview->close();

    choose_game(1);
    find<QAction>(u"menu_print")->trigger();
    ASSERT_NE(open_preview(), nullptr);
    EXPECT_EQ(open_preview()->windowTitle(), QStringLiteral(u"印刷プレビュー - テストFC 試合データ詳細"));
}

// The print dialog offers the document's name for printing to a file: the name PDFに保存 offers.
TEST_F(PaperWindow, PrintingToAFileOffersTheNamePdfOffers) {
    const auto expect_same_names = [this](const char* view) {
        test::FileChooserAnswerer dialog(path(QString::fromLatin1(view) + QStringLiteral(u".pdf")));
        find<QAction>(u"menu_pdf")->trigger();
        find<QAction>(u"menu_print")->trigger();
        ASSERT_NE(open_preview(), nullptr) << view;
        EXPECT_EQ(open_preview()->printer()->docName() + QStringLiteral(u".pdf"), dialog.offered) << view;
        open_preview()->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    expect_same_names("game list");
    choose_game(1);
    expect_same_names("game detail");
    find<QAction>(u"tb_main_graph")->trigger();
    find<QPushButton>(u"cm_graph")->click();
    expect_same_names("charts");
}

TEST_F(PaperWindow, PrintingToAPdfFileGivesTextThatReadsAsPrinted) {
    find<QAction>(u"tb_main_5")->trigger();
    QPrintPreviewDialog* preview = open_preview();
    ASSERT_NE(preview, nullptr);
    // What the print dialog's "print to file" sets before the pages are painted again.
    QPrinter* printer = preview->printer();
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path(QStringLiteral(u"printed.pdf")));
    emit preview->paintRequested(printer);
    const test::PdfReading pdf = test::read_pdf(path(QStringLiteral(u"printed.pdf")));
    EXPECT_EQ(pdf.pages, 1);
    // 一 would read as the radical ⼀ without the program's text maps.
    EXPECT_TRUE(pdf.text.contains(QStringLiteral(u"試合データ一覧")));
    EXPECT_TRUE(test::fonts_embedded_as_text(pdf));
}

TEST_F(PaperWindow, AViewWithNothingToPrintSaysSo) {
    test::MessageBoxAnswerer answerer;
    // statistics and charts not computed yet
    for (const char16_t* view : {u"tb_main_14", u"tb_main_15", u"tb_main_graph"}) {
        find<QAction>(view)->trigger();
        find<QAction>(u"tb_main_5")->trigger();
        find<QAction>(u"menu_pdf")->trigger();
    }
    ASSERT_EQ(answerer.seen().size(), 6u);
    for (const test::SeenMessage& seen : answerer.seen()) {
        EXPECT_EQ(seen.title, QStringLiteral(u"入力エラー"));
        EXPECT_EQ(seen.text, QStringLiteral(u"印刷するデータがありません。"));
    }
    find<QAction>(u"menu_export")->trigger();
    EXPECT_EQ(answerer.last_text(), QStringLiteral(u"エクスポートするデータがありません。"));
    EXPECT_EQ(open_preview(), nullptr);

    // Computed, the team data prints; a refresh of the game lists empties it again.
    find<QAction>(u"tb_main_14")->trigger();
    find<QPushButton>(u"cm_setting")->click();
    find<QAction>(u"tb_main_5")->trigger();
    ASSERT_NE(open_preview(), nullptr);
    open_preview()->close();
    window->refresh_game_lists();
    answerer.clear();
    find<QAction>(u"tb_main_5")->trigger();
    EXPECT_EQ(answerer.last_text(), QStringLiteral(u"印刷するデータがありません。"));
}

TEST_F(PaperWindow, PdfWritesTheVisibleViewUnderTheNameItOffers) {
    choose_game(1);
    test::FileChooserAnswerer dialog(path(QStringLiteral(u"sheet.pdf")));
    find<QAction>(u"menu_pdf")->trigger();
    EXPECT_EQ(dialog.offered, QStringLiteral(u"テストFC_試合データ詳細_2006-05-01.pdf"));
    const test::PdfReading pdf = test::read_pdf(path(QStringLiteral(u"sheet.pdf")));
    EXPECT_EQ(pdf.pages, 1);
    EXPECT_TRUE(test::in_reading_order(
        pdf.text, {QStringLiteral(u"テストFC"), QStringLiteral(u"試合データ詳細"),
                   QStringLiteral(u"2006/05/01"), QStringLiteral(u"赤坂SC"), QStringLiteral(u"得失点内容")}));
    EXPECT_TRUE(test::fonts_embedded_as_text(pdf));
}

TEST_F(PaperWindow, TheChartsPrintTheChartPageShown) {
    find<QAction>(u"tb_main_graph")->trigger();
    find<QPushButton>(u"cm_graph")->click();
    find<QTabWidget>(u"ts_graph")->setCurrentIndex(1);
    test::FileChooserAnswerer dialog(path(QStringLiteral(u"charts.pdf")));
    find<QAction>(u"menu_pdf")->trigger();
    EXPECT_EQ(dialog.offered, QStringLiteral(u"テストFC_グラフ_") +
                                  QDate::currentDate().toString(QStringLiteral(u"yyyy-MM-dd")) +
                                  QStringLiteral(u".pdf"));
    const test::PdfReading pdf = test::read_pdf(path(QStringLiteral(u"charts.pdf")));
    EXPECT_EQ(pdf.pages, 1);
    EXPECT_TRUE(test::in_reading_order(
        pdf.text,
        {QStringLiteral(u"テストFC"), QStringLiteral(u"グラフ"), QStringLiteral(u"期間"),
         QStringLiteral(u"2006/04/01"), QStringLiteral(u"2006/05/01"), QStringLiteral(u"得点・アシスト")}));
}

// The legend is drawn whole on paper: the two games are draws, so the colour of 敗 is only in the
// legend's square.
TEST_F(PaperWindow, TheChartsLegendIsWholeInThePdf) {
    find<QAction>(u"tb_main_graph")->trigger();
    find<QPushButton>(u"cm_graph")->click();
    test::FileChooserAnswerer dialog(path(QStringLiteral(u"charts.pdf")));
    find<QAction>(u"menu_pdf")->trigger();
    QProcess drawing;
    drawing.start(
        QStringLiteral(u"pdftoppm"),
        {QStringLiteral(u"-png"), QStringLiteral(u"-singlefile"), QStringLiteral(u"-r"),
         QStringLiteral(u"100"), path(QStringLiteral(u"charts.pdf")), path(QStringLiteral(u"page"))});
    ASSERT_TRUE(drawing.waitForFinished(30000));
    const QImage page(path(QStringLiteral(u"page.png")));
    ASSERT_FALSE(page.isNull());
    const QColor loss(0xc0, 0x39, 0x2b);
    int loss_pixels = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QColor pixel = page.pixelColor(x, y);
            loss_pixels += std::abs(pixel.red() - loss.red()) + std::abs(pixel.green() - loss.green()) +
                                       std::abs(pixel.blue() - loss.blue()) <
                                   12
                               ? 1
                               : 0;
        }
    }
    EXPECT_GT(loss_pixels, 4);
}

TEST_F(PaperWindow, ExportWritesTheCopyTextAsCsvOrTsv) {
    {
        test::FileChooserAnswerer dialog(path(QStringLiteral(u"list.csv")));
        find<QAction>(u"menu_export")->trigger();
        EXPECT_TRUE(dialog.offered.startsWith(QStringLiteral(u"テストFC_試合データ一覧_")));
        EXPECT_TRUE(dialog.offered.endsWith(QStringLiteral(u".csv")));
    }
    EXPECT_EQ(test::read_bytes(path(QStringLiteral(u"list.csv"))),
              QByteArray("\xEF\xBB\xBF") +
                  QStringLiteral(u"テストFC\r\n\r\n日付,対戦相手,スコア,大会名,場所\r\n"
                                 u"2006/04/01 10:00,青葉FC,1-1,リーグ戦,市民グラウンド\r\n"
                                 u"2006/05/01 10:00,赤坂SC,0-0,リーグ戦,市民グラウンド\r\n")
                      .toUtf8());
    {
        test::FileChooserAnswerer dialog(path(QStringLiteral(u"list.tsv")));
        find<QAction>(u"menu_export")->trigger();
    }
    EXPECT_EQ(test::read_bytes(path(QStringLiteral(u"list.tsv"))),
              QByteArray("\xEF\xBB\xBF") + window->view_copy_text().toUtf8());
}

TEST_F(PaperWindow, AFileThatCannotBeWrittenIsReported) {
    QDir().mkdir(path(QStringLiteral(u"locked")));
    const test::ReadOnlyFolder locked(path(QStringLiteral(u"locked")));
    if (!locked.ready()) {
        GTEST_SKIP() << locked.why_not().toStdString();
    }
    test::MessageBoxAnswerer answerer;
    test::FileChooserAnswerer dialog(path(QStringLiteral(u"locked/list.csv")));
    find<QAction>(u"menu_export")->trigger();
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(answerer.seen()[0].title, QStringLiteral(u"保存エラー"));
    EXPECT_TRUE(answerer.last_text().contains(QStringLiteral(u"list.csv」　を保存できません。")));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral(u"locked/list.csv"))));
}

TEST_F(PaperWindow, ScoreSheetsShowTheFormsTheProgramMakes) {
    find<QAction>(u"menu_sheet")->trigger();
    ASSERT_NE(open_preview(), nullptr);
    EXPECT_EQ(preview_pages(open_preview()), 1);
    EXPECT_EQ(open_preview()->printer()->docName(), QStringLiteral(u"スコアシート"));
    open_preview()->close();
    find<QAction>(u"menu_sheet_sample")->trigger();
    ASSERT_NE(open_preview(), nullptr);
    EXPECT_EQ(preview_pages(open_preview()), 1);
    EXPECT_EQ(open_preview()->printer()->docName(), QStringLiteral(u"スコアシート（サンプル）"));
}

TEST_F(PaperWindow, AScoreSheetPictureOfTheUsersOwnIsOpenedInstead) {
    test::write_bytes(QStringLiteral(u"score sheet sample.png"), "picture");
    DesktopViewer viewer;
    find<QAction>(u"menu_sheet_sample")->trigger();
    ASSERT_EQ(viewer.opened.size(), 1);
    EXPECT_EQ(viewer.opened[0].toLocalFile(),
              QDir::current().absoluteFilePath(QStringLiteral(u"score sheet sample.png")));
    EXPECT_EQ(open_preview(), nullptr);
}

TEST_F(PaperWindow, F1OpensTheManualOnItsContentsPageBesideTheProgram) {
    find<QAction>(u"menu_help_help")->trigger();
    auto* help = qobject_cast<fm_help*>(test::find_window(QStringLiteral(u"fm_help")));
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(window->isEnabled());  // the manual stays open beside the work
    EXPECT_EQ(help->tx_help->source().fileName(), QStringLiteral(u"index.html"));
    EXPECT_EQ(QFileInfo(help->tx_help->source().toLocalFile()).absolutePath(),
              QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral(u"help")));
    ASSERT_GE(help->tv_contents->topLevelItemCount(), 2);
    EXPECT_FALSE(help->cm_back->isEnabled());

    // A page of the contents, back, forward.
    emit help->tv_contents->itemClicked(help->tv_contents->topLevelItem(1), 0);
    const QUrl page = help->tx_help->source();
    EXPECT_NE(page.fileName(), QStringLiteral(u"index.html"));
    ASSERT_TRUE(help->cm_back->isEnabled());
    help->cm_back->trigger();
    EXPECT_EQ(help->tx_help->source().fileName(), QStringLiteral(u"index.html"));
    help->cm_forward->trigger();
    EXPECT_EQ(help->tx_help->source(), page);

    // F1 again brings the same window forward.
    find<QAction>(u"menu_help_help")->trigger();
    EXPECT_EQ(test::find_window(QStringLiteral(u"fm_help")), help);
    window->close();
    EXPECT_EQ(test::find_window(QStringLiteral(u"fm_help")), nullptr);
}

TEST_F(PaperWindow, TheManualsSearchListsThePagesWithTheWords) {
    find<QAction>(u"menu_help_help")->trigger();
    auto* help = qobject_cast<fm_help*>(test::find_window(QStringLiteral(u"fm_help")));
    ASSERT_NE(help, nullptr);
    help->tx_search->setText(QStringLiteral(u"起動"));
    help->cm_search->click();
    ASSERT_GE(help->lst_search->count(), 1);
    EXPECT_TRUE(help->lst_search->item(0)->flags().testFlag(Qt::ItemIsEnabled));
    EXPECT_EQ(help->tx_help->textCursor().selectedText(), QStringLiteral(u"起動"));
    help->tx_search->setText(QStringLiteral(u"存在しない言葉ですよ"));
    help->cm_search->click();
    ASSERT_EQ(help->lst_search->count(), 1);
    EXPECT_EQ(help->lst_search->item(0)->text(), QStringLiteral(u"見つかりませんでした。"));
}

}  // namespace
}  // namespace kl

#include "paper_window_tests.moc"
