#include "entry/fm_game_input.h"
#include "entry/fm_live.h"
#include "support/game_builder.h"
#include "support/main_window_fixture.h"
#include "support/wizard_clicks.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

namespace kl {
namespace {

using test::GameBuilder;

QStringList row_texts(const QTreeWidget* view, int row) {
    QStringList texts;
    const QTreeWidgetItem* item = view->topLevelItem(row);
    for (int column = 0; item != nullptr && column < view->columnCount(); ++column) {
        texts.append(item->text(column));
    }
    return texts;
}

bool marked(const QTreeWidget* view, int row) {
    return view->topLevelItem(row)->background(0) != QBrush();
}

// Selects the pitch rows of these members (and a bench row), as taps do.
void select(fm_live& live, const QStringList& members, const QString& bench = {}) {
    live.lstv_live_pitch->clearSelection();
    for (const QString& member : members) {
        live.lstv_live_pitch->findItems(member, Qt::MatchExactly, 1).value(0)->setSelected(true);
    }
    if (!bench.isEmpty()) {
        live.lstv_live_bench->findItems(bench, Qt::MatchExactly, 0).value(0)->setSelected(true);
    }
}

// The live window on a game of its own, in a temporary folder, on a clock the test moves.
class LiveWindow : public test::InTemporaryFolder {
  protected:
    void open(const GameBuilder& game, bool small_sided, int target_share = 0) {
        setup = {QStringLiteral(u"team.kld"), game.line().split(u',').mid(1, md::fixed_field_count),
                 small_sided, MinuteCounting::football};
        auto journal = LiveJournal::begin(journal_path(setup.team_file, QDateTime::currentDateTime()), setup);
        ASSERT_TRUE(std::holds_alternative<LiveJournal>(journal));
        live = std::make_unique<fm_live>(
            LiveGame(setup, {}), std::get<LiveJournal>(journal), [this] { return now; }, target_share,
            &owner);
        live->show();
        QApplication::setActiveWindow(live.get());
    }
    // The clock moves on and the window's timer shows it.
    void wait(int minutes, int seconds = 0) {
        now += (minutes * 60 + seconds) * 1000LL;
        QTest::qWait(250);
    }
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QApplication::setActiveWindow(live.get());  // a message box may have had the focus
        QTest::keyClick(live.get(), Qt::Key(key), modifiers);
    }

    QWidget owner;
    LiveGameSetup setup;
    qint64 now = 1'800'000'000'000;
    std::unique_ptr<fm_live> live;
};

TEST_F(LiveWindow, ShowsItsControlsLargeWithTheirKeysAndFitsALaptopScreen) {
    open(GameBuilder(), false);
    EXPECT_EQ(live->windowTitle(), QStringLiteral(u"ライブ入力 - 青葉FC"));
    EXPECT_EQ(live->lb_live_period->text(), QStringLiteral(u"前半"));
    EXPECT_EQ(live->lb_live_clock->text(), QStringLiteral(u"00:00"));
    EXPECT_EQ(live->cm_live_start->text(), QStringLiteral(u"キックオフ (F5)"));
    EXPECT_EQ(live->cm_live_period_end->text(), QStringLiteral(u"前半終了 (F8)"));
    EXPECT_EQ(live->cm_live_undo->text(), QStringLiteral(u"1つ戻す (Ctrl+Z)"));
    EXPECT_EQ(live->tx_live_minute->text(), QStringLiteral(u"1"));
    EXPECT_EQ(row_texts(live->lstv_live_pitch, 0),
              (QStringList{QStringLiteral(u"GK"), QStringLiteral(u"S1"), QStringLiteral(u"0分")}));
    EXPECT_EQ(live->lstv_live_pitch->topLevelItemCount(), 11);
    EXPECT_EQ(live->lstv_live_bench->topLevelItemCount(), 3);
    const QList<QPushButton*> buttons = live->findChildren<QPushButton*>();
    for (const QPushButton* button : buttons) {
        if (button->isVisible()) {
            EXPECT_GE(button->height(), 44) << button->objectName().toStdString();
        }
    }
    for (const QPushButton* action :
         {live->cm_live_goal, live->cm_live_assist, live->cm_live_conceded, live->cm_live_sub,
          live->cm_live_card, live->cm_live_red, live->cm_live_position, live->cm_live_ex, live->cm_live_pk,
          live->cm_live_finish}) {
        EXPECT_TRUE(action->text().endsWith(u')')) << action->objectName().toStdString();
    }
    EXPECT_LE(live->minimumSizeHint().width(), 1366);
    EXPECT_LE(live->minimumSizeHint().height(), 740);
}

TEST_F(LiveWindow, AGameIsRecordedThroughItsButtonsAndKeysOnItsClock) {
    open(GameBuilder().eight_a_side(), true, 50);
    test::MessageBoxAnswerer answerer(QMessageBox::Yes);
    key(Qt::Key_F5);
    wait(12, 34);
    EXPECT_EQ(live->lb_live_clock->text(), QStringLiteral(u"12:34"));
    EXPECT_EQ(live->tx_live_minute->text(), QStringLiteral(u"13"));
    EXPECT_FALSE(live->cm_live_start->isEnabled());
    key(Qt::Key_F6);
    EXPECT_EQ(live->cm_live_start->text(), QStringLiteral(u"再開 (F5)"));
    key(Qt::Key_F5);

    select(*live, {QStringLiteral(u"S10")});
    key(Qt::Key_G);
    ASSERT_EQ(live->lstv_live_event->topLevelItemCount(), 1);
    EXPECT_EQ(row_texts(live->lstv_live_event, 0),
              (QStringList{QStringLiteral(u"13"), QStringLiteral(u"得点・アシスト"),
                           QStringLiteral(u"得点者 - S10 - ")}));
    EXPECT_TRUE(marked(live->lstv_live_event, 0));
    EXPECT_EQ(live->lb_live_score->text(), QStringLiteral(u"1 - 0"));
    select(*live, {QStringLiteral(u"S9")});
    live->cm_live_assist->click();
    live->cm_live_detail_option[0][1]->click();                   // 右足
    live->cm_live_detail_option[1][0]->click();                   // 中央（エリア内）
    EXPECT_TRUE(live->cm_live_detail_option[2][1]->isChecked());  // 被アシスト, with the assister
    live->cm_live_detail_part[1]->click();
    live->cm_live_detail_option[0][0]->click();  // 頭
    live->cm_live_detail_option[2][3]->click();  // CK: no corner kick from the centre
    EXPECT_FALSE(live->cm_live_detail_option[1][0]->isEnabled());
    EXPECT_TRUE(marked(live->lstv_live_event, 0));
    live->cm_live_detail_option[1][2]->click();  // 右サイド
    EXPECT_TRUE(live->cm_live_detail_option[1][2]->isChecked());
    EXPECT_FALSE(marked(live->lstv_live_event, 0));
    EXPECT_EQ(live->lstv_live_event->topLevelItem(0)->text(2),
              QStringLiteral(u"得点者 - S10 - 中央（エリア内）   ←   アシスト者 - S9 - 右サイド"));

    wait(2);
    select(*live, {QStringLiteral(u"S11")}, QStringLiteral(u"R1"));
    key(Qt::Key_S);
    EXPECT_EQ(row_texts(live->lstv_live_event, 1).value(2), QStringLiteral(u"IN - R1     OUT - S11"));
    EXPECT_EQ(row_texts(live->lstv_live_pitch, 7),
              (QStringList{QStringLiteral(u"CF"), QStringLiteral(u"R1"), QStringLiteral(u"0分（0%）")}));
    // A member substituted off in a small-sided game is back on the bench, his minutes with him.
    wait(1);
    EXPECT_EQ(row_texts(live->lstv_live_bench, 2),
              (QStringList{QStringLiteral(u"S11"), QStringLiteral(u"14分（94%）")}));

    // A typed minute for the next event; then the box follows the clock again.
    live->tx_live_minute->setFocus();
    live->tx_live_minute->selectAll();
    QTest::keyClicks(live->tx_live_minute, QStringLiteral(u"18"));
    select(*live, {QStringLiteral(u"S5")});
    key(Qt::Key_Y);
    EXPECT_EQ(row_texts(live->lstv_live_event, 2).value(0), QStringLiteral(u"18"));
    QTest::qWait(250);
    EXPECT_EQ(live->tx_live_minute->text(), QStringLiteral(u"18"));
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(live->lstv_live_event->topLevelItemCount(), 2);

    // Two rows for a goal is one too many.
    select(*live, {QStringLiteral(u"S5"), QStringLiteral(u"S6")});
    key(Qt::Key_G);
    EXPECT_EQ(answerer.last_text(), QStringLiteral(u"「得点者」　を1人だけ選択して下さい。"));

    key(Qt::Key_F8);
    EXPECT_EQ(live->lb_live_period->text(), QStringLiteral(u"後半"));
    EXPECT_EQ(live->tx_live_minute->text(), QStringLiteral(u"21"));
    QSignalSpy finished(live.get(), &fm_live::game_finished);
    live->cm_live_finish->click();
    EXPECT_EQ(answerer.seen().back().title, QStringLiteral(u"確認"));
    EXPECT_EQ(answerer.seen().back().text, QStringLiteral(u"試合を終了しますか？"));
    EXPECT_EQ(finished.count(), 1);
    EXPECT_FALSE(live->isVisible());

    // The journal holds every action the window showed, and replays into the same game.
    const auto read = read_journal(test::read_bytes(live->journal_path()));
    ASSERT_TRUE(std::holds_alternative<JournalContent>(read));
    EXPECT_EQ(std::get<JournalContent>(read).actions.size(), 15u);
    const auto replayed = replay_journal(std::get<JournalContent>(read), {});
    ASSERT_TRUE(std::holds_alternative<LiveGame>(replayed));
    const EventPageState& page = live->game().page().state();
    const EventPageState& again = std::get<LiveGame>(replayed).page().state();
    EXPECT_EQ(md::compose_record_line(again.event_fields, again.event_field_count),
              md::compose_record_line(page.event_fields, page.event_field_count));
}

TEST_F(LiveWindow, TheTargetShareColoursAReserveWhoMustComeOnSoon) {
    open(GameBuilder().eight_a_side(), true, 50);
    live->cm_live_start->click();
    wait(15);
    EXPECT_EQ(live->lstv_live_bench->topLevelItem(0)->background(0), QBrush());
    wait(1);
    EXPECT_NE(live->lstv_live_bench->topLevelItem(0)->background(0), QBrush());
    EXPECT_EQ(live->lstv_live_bench->topLevelItem(0)->toolTip(0),
              QStringLiteral(u"5分以内に出場しないと目標の出場時間（50%）に届きません。"));
}

// The team of the main window's tests: fourteen members, a league and a cup.
const QStringList team_lines = {
    QStringLiteral(u"[チーム名]"),
    QStringLiteral(u"テストFC"),
    QStringLiteral(u"[メンバー]"),
    QStringLiteral(u"選手1,選手2,選手3,選手4,選手5,選手6,選手7,選手8,選手9,選手10,選手11,"
                   u"選手12,選手13,選手14"),
    QStringLiteral(u"[グラウンド]"),
    QStringLiteral(u"市民グラウンド"),
    QStringLiteral(u"[対戦チーム]"),
    QStringLiteral(u"青葉FC"),
    QStringLiteral(u"[起票者]"),
    QStringLiteral(u"山田"),
    QStringLiteral(u"[フォーメーション]"),
    QStringLiteral(u"4-4-2,2,0,0,2,2,0,2,2,0"),
    QString(),
    QStringLiteral(u"[大会]"),
    QStringLiteral(u"リーグ戦,80,なし,,,なし"),
    QString(),
    QStringLiteral(u"[試合データ]")};

class LiveEntryFlow : public test::MainWindowOnTeam {
  protected:
    void SetUp() override {
        InTemporaryFolder::SetUp();
        start_on(team_lines);
    }
    void TearDown() override {
        test::close_windows_opened_from(window.get());
        MainWindowOnTeam::TearDown();
    }
    static fm_game_input* wizard() {
        return qobject_cast<fm_game_input*>(test::find_window(QStringLiteral(u"fm_game_input")));
    }
    static fm_live* live_window() {
        return qobject_cast<fm_live*>(test::find_window(QStringLiteral(u"fm_live")));
    }
    // Pages 1 and 2 filled and left with 次へ: the live window opens.
    void through_pages_1_and_2() {
        fm_game_input* pages = wizard();
        ASSERT_NE(pages, nullptr);
        EXPECT_EQ(pages->windowTitle(), QStringLiteral(u"ライブ入力 （1/3）"));
        test::fill_game_information(pages,
                                    {QStringLiteral(u"2026/11/01"), 10, 0, 0, QStringLiteral(u"山田")});
        pages->cm_next[0]->click();
        EXPECT_EQ(pages->windowTitle(), QStringLiteral(u"ライブ入力 （2/3）"));
        pages->cb_formation->setCurrentIndex(0);
        for (QPushButton* row : pages->cm_poji) {
            row->click();
        }
        pages->cm_r_add->click();
        pages->cm_next[1]->click();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST_F(LiveEntryFlow, ALiveGameGoesFromPages1And2ThroughTheLiveWindowToPage3AndIsStored) {
    QAction* menu_entry = find<QAction>(u"menu_game_live");
    EXPECT_EQ(menu_entry->text(), QStringLiteral(u"ライブ入力(&L)"));
    EXPECT_EQ(menu_entry->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
    const QList<QAction*> toolbar = find<QToolBar>(u"tb_main")->actions();
    QAction* button = find<QAction>(u"tb_main_live");
    EXPECT_EQ(button->text(), QStringLiteral(u"ライブ"));
    EXPECT_EQ(toolbar.value(toolbar.indexOf(button) - 1), find<QAction>(u"tb_main_9"));

    test::MessageBoxAnswerer answerer(QMessageBox::Yes);
    button->trigger();
    EXPECT_FALSE(window->isEnabled());
    through_pages_1_and_2();
    fm_live* live = live_window();
    ASSERT_NE(live, nullptr);
    EXPECT_EQ(wizard(), nullptr);
    EXPECT_FALSE(window->isEnabled());
    EXPECT_EQ(QDir(QStringLiteral(u"live")).entryList({QStringLiteral(u"team_*.journal")}).size(), 1);

    live->cm_live_start->click();
    select(*live, {QStringLiteral(u"選手10")});
    live->cm_live_goal->click();  // its details left for later
    live->cm_live_finish->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    fm_game_input* page3 = wizard();
    ASSERT_NE(page3, nullptr);
    EXPECT_EQ(page3->windowTitle(), QStringLiteral(u"ライブ入力 （3/3）"));
    EXPECT_FALSE(page3->cm_back[2]->isVisible());
    EXPECT_FALSE(window->isEnabled());
    EventPageView* events = page3->events;
    ASSERT_EQ(events->lstv_event->topLevelItemCount(), 1);
    EXPECT_NE(events->lstv_event->topLevelItem(0)->background(0), QBrush());

    // 完了 refuses the goal with page 3's message and opens it; its panel completes it.
    page3->cm_next[2]->click();
    EXPECT_EQ(answerer.last_text(),
              QStringLiteral(u"「得点者」　の詳細を右のボタンを押してから選択して下さい。"));
    EXPECT_EQ(events->tx_point->text(), QStringLiteral(u"選手10"));
    test::click_details(events, 0, 0, 0, 0);  // 頭, 中央（エリア内）, ドリブル突破
    events->cm_event_add->click();
    EXPECT_EQ(events->lstv_event->topLevelItem(0)->background(0), QBrush());
    page3->cm_next[2]->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window->isEnabled());
    ASSERT_EQ(store.game_lines.size(), 1);
    EXPECT_TRUE(store.game_lines[0].endsWith(QStringLiteral(
        u",1,得点・アシスト,,得点者,選手10,頭,中央（エリア内）,ドリブル突破,アシスト者,,,,,##")));
    EXPECT_TRUE(QDir(QStringLiteral(u"live")).entryList({QStringLiteral(u"*.journal")}).isEmpty());
}

TEST_F(LiveEntryFlow, WithoutATeamFileOpenNoLiveGameBegins) {
    store.data_file_path.clear();
    test::MessageBoxAnswerer answerer;
    find<QAction>(u"menu_game_live")->trigger();
    EXPECT_EQ(answerer.last_text(), QStringLiteral(u"チームデータファイルが開かれていません。ファイルを開いて"
                                                   u"から　「ライブ入力」　を始めて下さい。"));
    EXPECT_EQ(wizard(), nullptr);
    EXPECT_TRUE(window->isEnabled());
}

// A journal of an unfinished game of team.kld: kick-off, a caution at 4:10 and the clock running.
QString write_unfinished_journal(const QString& team_file = QStringLiteral(u"team.kld")) {
    const LiveGameSetup setup{team_file, GameBuilder().line().split(u',').mid(1, md::fixed_field_count),
                              false, MinuteCounting::football};
    const QString path = journal_path(team_file, QDateTime(QDate(2026, 11, 1), QTime(9, 58, 0)));
    auto journal = LiveJournal::begin(path, setup);
    LiveAction caution(LiveVerb::caution);
    caution.minute = 5;
    caution.members = {QStringLiteral(u"S4")};
    const qint64 kick_off = QDateTime::currentMSecsSinceEpoch() - 5 * 60000;
    EXPECT_FALSE(std::get<LiveJournal>(journal).append({kick_off, LiveAction(LiveVerb::kick_off)}));
    EXPECT_FALSE(std::get<LiveJournal>(journal).append({kick_off + 250000, caution}));
    return path;
}

class LiveResume : public test::InTemporaryFolder {
  protected:
    void start(QMessageBox::StandardButton answer) {
        answerer = std::make_unique<test::MessageBoxAnswerer>(answer);
        test::write_cp932_lines(QStringLiteral(u"team.kld"), team_lines);
        test::write_cp932_lines(QStringLiteral(u"setting.ini"), {QStringLiteral(u"team.kld")});
        window = std::make_unique<fm_main>(store);
        window->start();
        QTest::qWait(100);
    }
    void TearDown() override {
        if (window) {
            test::close_windows_opened_from(window.get());
            window.reset();
        }
        InTemporaryFolder::TearDown();
    }
    md::DataStore store;
    std::unique_ptr<test::MessageBoxAnswerer> answerer;
    std::unique_ptr<fm_main> window;
};

TEST_F(LiveResume, AnUnfinishedGameIsOfferedOnceTheMainWindowRunsAndTakenUpPaused) {
    write_unfinished_journal();
    write_unfinished_journal(QStringLiteral(u"other.kld"));
    start(QMessageBox::Yes);
    ASSERT_EQ(answerer->seen().size(), 1u);
    EXPECT_EQ(answerer->seen()[0].title, QStringLiteral(u"ライブ入力の再開"));
    EXPECT_EQ(answerer->seen()[0].text,
              QStringLiteral(u"「2006/04/01 10:00 青葉FC」　のライブ入力が途中です。再開しますか？"));
    fm_live* live = qobject_cast<fm_live*>(test::find_window(QStringLiteral(u"fm_live")));
    ASSERT_NE(live, nullptr);
    EXPECT_FALSE(window->isEnabled());
    EXPECT_EQ(row_texts(live->lstv_live_event, 0).value(2), QStringLiteral(u"警告 - S4"));
    EXPECT_EQ(live->lb_live_period->text(), QStringLiteral(u"前半"));
    // The clock ran on with the game while the program was down, and waits for 再開.
    EXPECT_EQ(live->cm_live_start->text(), QStringLiteral(u"再開 (F5)"));
    EXPECT_FALSE(live->cm_live_pause->isEnabled());
    EXPECT_TRUE(live->lb_live_clock->text().startsWith(QStringLiteral(u"05:0")))
        << live->lb_live_clock->text().toStdString();
}

TEST_F(LiveResume, NoKeepsTheJournalAsideAndIsNotAskedAgain) {
    const QString path = write_unfinished_journal();
    start(QMessageBox::No);
    EXPECT_EQ(answerer->seen().size(), 1u);
    EXPECT_EQ(test::find_window(QStringLiteral(u"fm_live")), nullptr);
    EXPECT_TRUE(QFileInfo::exists(QStringLiteral(u"live/abandoned/") + QFileInfo(path).fileName()));
    window.reset();
    start(QMessageBox::Yes);
    EXPECT_TRUE(answerer->seen().empty());
}

TEST_F(LiveResume, AJournalThatCannotBeReadInFullIsReportedAndKept) {
    const QString path = write_unfinished_journal();
    QByteArray bytes = test::read_bytes(path);
    test::write_bytes(path, bytes.replace("\tcaution\t", "\tcard\t"));
    start(QMessageBox::Yes);
    ASSERT_EQ(answerer->seen().size(), 1u);
    EXPECT_EQ(answerer->seen()[0].title, QStringLiteral(u"読み込みエラー"));
    EXPECT_EQ(answerer->seen()[0].text, QStringLiteral(u"ライブ入力の記録　「") + path +
                                            QStringLiteral(u"」　を読み込めません。（5行目：読めない操作です"
                                                           u"）　記録は　「live/abandoned」　に残します。"));
    EXPECT_EQ(test::find_window(QStringLiteral(u"fm_live")), nullptr);
    EXPECT_EQ(test::read_bytes(QStringLiteral(u"live/abandoned/") + QFileInfo(path).fileName()), bytes);
}

// The program killed mid-game (SIGKILL, as a crash or a power loss leaves it), then started again.
TEST_F(LiveResume, AGameKilledMidwayIsOfferedAtTheNextStartWithEverythingRecorded) {
    test::write_cp932_lines(QStringLiteral(u"team.kld"), team_lines);
    test::write_cp932_lines(QStringLiteral(u"setting.ini"), {QStringLiteral(u"team.kld")});
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral(u"QT_QPA_PLATFORM"), QStringLiteral(u"offscreen"));
    child.setProcessEnvironment(environment);
    child.start(QStringLiteral(KL_LIVE_CHILD), {QDir::currentPath()});
    ASSERT_TRUE(child.waitForStarted());
    QByteArray said;
    while (!said.contains("recorded\n") && child.waitForReadyRead(60000)) {
        said += child.readAllStandardOutput();
    }
    ASSERT_TRUE(said.contains("recorded\n")) << said.constData();
    child.kill();
    ASSERT_TRUE(child.waitForFinished());
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);

    start(QMessageBox::Yes);
    ASSERT_EQ(answerer->seen().size(), 1u);
    EXPECT_EQ(answerer->seen()[0].text,
              QStringLiteral(u"「2026/11/01 10:00 青葉FC」　のライブ入力が途中です。再開しますか？"));
    fm_live* live = qobject_cast<fm_live*>(test::find_window(QStringLiteral(u"fm_live")));
    ASSERT_NE(live, nullptr);
    ASSERT_EQ(live->lstv_live_event->topLevelItemCount(), 2);
    EXPECT_EQ(row_texts(live->lstv_live_event, 0).value(2), QStringLiteral(u"得点者 - 選手10 - "));
    EXPECT_EQ(row_texts(live->lstv_live_event, 1).value(2), QStringLiteral(u"警告 - 選手4"));
    EXPECT_EQ(live->lb_live_score->text(), QStringLiteral(u"1 - 0"));
    EXPECT_EQ(live->lb_live_period->text(), QStringLiteral(u"後半"));
    EXPECT_FALSE(live->cm_live_pause->isEnabled());
}

}  // namespace
}  // namespace kl
