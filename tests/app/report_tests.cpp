#include "app/report.h"
#include "store/capacities.h"
#include "store/data_store.h"
#include "support/file_systems.h"
#include "support/game_builder.h"
#include "support/headless_run.h"
#include "support/pdf_reader.h"
#include "support/test_files.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QFile>
#include <cstdio>
#include <vector>

extern char** environ;

namespace kl {
namespace {

using test::GameBuilder;

class Report : public test::InTemporaryFolder {
  protected:
    void SetUp() override {
        InTemporaryFolder::SetUp();
        GameBuilder late;
        late.date = QStringLiteral(u"2006/05/01");
        late.opponent = QStringLiteral(u"赤坂SC");
        late.goal(10, QStringLiteral(u"S9"));
        GameBuilder early;
        early.recorder = QStringLiteral(u"後の記録者");  // stored after the later game
        test::write_cp932_lines(QStringLiteral(u"team.kld"),
                                {QStringLiteral(u"[チーム名]"), QStringLiteral(u"テストFC"),
                                 QStringLiteral(u"[試合データ]"), late.line(), early.line()});
        original_ = test::read_bytes(QStringLiteral(u"team.kld"));
    }
    QByteArray original_;
};

TEST_F(Report, GamesPrintsTheGameListCopyTextInTheClickedOrder) {
    const ReportOutcome by_date = run_report({QStringLiteral(u"games"), QStringLiteral(u"team.kld")});
    EXPECT_EQ(by_date.exit_code, 0);
    EXPECT_EQ(by_date.err, QString());
    EXPECT_EQ(by_date.out, QStringLiteral(u"テストFC\r\n\r\n日付\t対戦相手\tスコア\t大会名\t場所\t\r\n"
                                          u"2006/04/01 10:00\t青葉FC\t0-0\tリーグ戦\t市民グラウンド\t\r\n"
                                          u"2006/05/01 10:00\t赤坂SC\t1-0\tリーグ戦\t市民グラウンド\t\r\n"));
    const ReportOutcome by_opponent = run_report({QStringLiteral(u"games"), QStringLiteral(u"team.kld"),
                                                  QStringLiteral(u"--sort"), QStringLiteral(u"2")});
    EXPECT_TRUE(by_opponent.out.indexOf(QStringLiteral(u"赤坂SC")) <
                by_opponent.out.indexOf(QStringLiteral(u"青葉FC")));
}

TEST_F(Report, DetailPrintsTheNthGameInStoredOrder) {
    const ReportOutcome detail =
        run_report({QStringLiteral(u"detail"), QStringLiteral(u"team.kld"), QStringLiteral(u"1")});
    EXPECT_EQ(detail.exit_code, 0);
    EXPECT_TRUE(detail.out.startsWith(QStringLiteral(u"◇ 2006/05/01  10:00～")));
    EXPECT_TRUE(detail.out.endsWith(QStringLiteral(u"その他\r\n\r\n")));
}

// The eight-a-side sample: re-entries, a formation change of the same size, a sending-off, extra
// time and a shoot-out.
TEST(SmallSidedReport, ShowsTheSlotsInUseAndCountsEverySpell) {
    const QString sample = QStringLiteral(KL_SMALL_SIDED_SAMPLE);
    const ReportOutcome detail = run_report({QStringLiteral(u"detail"), sample, QStringLiteral(u"2")});
    ASSERT_EQ(detail.exit_code, 0) << detail.err.toStdString();
    EXPECT_TRUE(
        detail.out.contains(QStringLiteral(u"スターティングメンバー\t[3-3-1]\r\n"
                                           u"\r\n"
                                           u"50分\tGK\t小林 樹\r\n"
                                           u"50分\tCB\t佐藤 翔太\r\n"
                                           u"38分\tCB\t鈴木 陽斗\r\n"
                                           u"50分\tCB\t高橋 湊\r\n"
                                           u"50分\tCH\t田中 蒼\r\n"
                                           u"50分\tSH\t伊藤 律\r\n"
                                           u"12分\tSH\t渡辺 陽向\r\n"
                                           u"32分\t\t→　中村 悠人\r\n"
                                           u"6分\t\t→　山本 蓮\r\n"
                                           u"22分\tCF\t山本 蓮\r\n"
                                           u"28分\t\t→　渡辺 陽向\r\n"
                                           u"\r\n")))
        << detail.out.toStdString();

    const ReportOutcome team = run_report({QStringLiteral(u"team"), sample});
    EXPECT_TRUE(
        team.out.contains(QStringLiteral(u"全 2 試合 (90 分)  2 勝 0 敗 0 分  3 得点 2 アシスト 2 失点")));
    // 中村: 15 + 15, then 32; 山本: 25, then 22 + 6; 渡辺: 32, then 12 + 28.
    for (const QString& row :
         {QStringLiteral(u"中村 悠人\t62\t1\t0\t0\t0\t"), QStringLiteral(u"山本 蓮\t53\t1\t0\t0\t0\t"),
          QStringLiteral(u"渡辺 陽向\t72\t1\t0\t0\t0\t"), QStringLiteral(u"鈴木 陽斗\t78\t0\t0\t1\t1\t")}) {
        EXPECT_TRUE(team.out.contains(row)) << row.toStdString();
    }
    const ReportOutcome player =
        run_report({QStringLiteral(u"player"), sample, QStringLiteral(u"中村 悠人")});
    EXPECT_TRUE(player.out.contains(QStringLiteral(u"合計\t62\t1\t0\t0\t0\t\r\nCF\t30\t1\t0\t0\t0\t")));
    EXPECT_TRUE(player.out.contains(QStringLiteral(u"SH\t32\t0\t0\t0\t0\t")));
}

TEST_F(Report, AFileThatCannotBeReadEndsWithOneLineAndCodeOne) {
    const ReportOutcome missing = run_report({QStringLiteral(u"games"), QStringLiteral(u"none.kld")});
    EXPECT_EQ(missing.exit_code, 1);
    EXPECT_EQ(missing.out, QString());
    EXPECT_EQ(missing.err, QStringLiteral(u"「none.kld」　を読み込めません。（ファイルがありません）\n"));

    test::write_cp932_lines(QStringLiteral(u"bad.kld"),
                            {QStringLiteral(u"[試合データ]"), QStringLiteral(u"#,壊れた行")});
    const ReportOutcome bad =
        run_report({QStringLiteral(u"detail"), QStringLiteral(u"bad.kld"), QStringLiteral(u"1")});
    EXPECT_EQ(bad.exit_code, 1);
    EXPECT_EQ(
        bad.err,
        QStringLiteral(u"「bad.kld」　を読み込めません。（2行目：試合データの形式が正しくありません）\n"));
}

// A link to /dev/zero filled the memory, a FIFO held the command in open() for ever.
TEST_F(Report, ATeamFileThatIsNoRegularFileOrTooLargeEndsWithCodeOne) {
    ASSERT_TRUE(QFile::link(QStringLiteral(u"/dev/zero"), QStringLiteral(u"zero.kld")));
    const test::Fifo fifo(QStringLiteral(u"fifo.kld"));
    QFile large(QStringLiteral(u"large.kld"));
    ASSERT_TRUE(large.open(QIODevice::WriteOnly) && large.resize(md::max_team_file_bytes + 1));
    large.close();
    const std::pair<QString, QString> refusals[] = {
        {QStringLiteral(u"zero.kld"), QStringLiteral(u"（通常のファイルではありません）")},
        {QStringLiteral(u"fifo.kld"), QStringLiteral(u"（通常のファイルではありません）")},
        {QStringLiteral(u"large.kld"), QStringLiteral(u"（ファイルが大きすぎます）")},
    };
    for (const auto& [file, reason] : refusals) {
        const ReportOutcome refused = run_report({QStringLiteral(u"games"), file});
        EXPECT_EQ(refused.exit_code, report_unreadable);
        EXPECT_EQ(refused.out, QString());
        EXPECT_EQ(refused.err,
                  QStringLiteral(u"「") + file + QStringLiteral(u"」　を読み込めません。") + reason + u'\n');
    }
    EXPECT_FALSE(fifo.opened());
}

// Written to a full device, the report was lost and the command ended with 0.
TEST_F(Report, AReportThatCannotBeWrittenIsToldAndEndsWith74) {
    const ReportOutcome outcome = run_report({QStringLiteral(u"games"), QStringLiteral(u"team.kld")});
    ASSERT_EQ(outcome.exit_code, 0);
    std::FILE* full = std::fopen("/dev/full", "w");
    std::FILE* err = std::tmpfile();
    ASSERT_TRUE(full != nullptr && err != nullptr);
    EXPECT_EQ(print_outcome(outcome, full, err), report_output_failed);
    std::rewind(err);
    char message[512] = {};
    EXPECT_GT(std::fread(message, 1, sizeof message - 1, err), 0U);
    EXPECT_EQ(QString::fromUtf8(message),
              QStringLiteral(u"標準出力に書き込めません。（ディスクの空き容量が足りません）\n"));
    std::fclose(full);
    // Nothing to write is no failure, on any device.
    full = std::fopen("/dev/full", "w");
    ASSERT_TRUE(full != nullptr);
    EXPECT_EQ(print_outcome({0, {}, {}}, full, err), 0);
    std::fclose(full);
    std::fclose(err);
}

TEST_F(Report, TeamPrintsTheTeamViewAfterUpdateWithItsFilter) {
    const ReportOutcome all = run_report({QStringLiteral(u"team"), QStringLiteral(u"team.kld")});
    EXPECT_EQ(all.exit_code, 0);
    EXPECT_TRUE(all.out.startsWith(
        QStringLiteral(u"テストFC\r\n\r\n期間\t2006/05/01 10:00\t2006/04/01 10:00\t\r\n"
                       u"大会名\tリーグ戦\t\r\n全 2 試合 (180 分)  1 勝 0 敗 1 分  1 得点 0 アシスト 0 "
                       u"失点\r\n\r\n名前\t出場時間\t得点\tアシスト\t警告\t退場\t\r\nR1\t0\t")));
    const ReportOutcome period =
        run_report({QStringLiteral(u"team"), QStringLiteral(u"team.kld"), QStringLiteral(u"--period"),
                    QStringLiteral(u"2006/05/01 10:00"), QStringLiteral(u"2006/05/01 10:00"),
                    QStringLiteral(u"--meeting"), QStringLiteral(u"リーグ戦"), QStringLiteral(u"--sort"),
                    QStringLiteral(u"3")});
    EXPECT_TRUE(period.out.contains(
        QStringLiteral(u"期間\t2006/05/01 10:00\t2006/05/01 10:00\t\r\n大会名\tリーグ戦\t\r\n"
                       u"全 1 試合 (90 分)  1 勝 0 敗 0 分")));
    EXPECT_TRUE(period.out.contains(QStringLiteral(u"退場\t\r\nS9\t90\t1\t")));
}

TEST_F(Report, PlayerPrintsThePersonalViewForAnyMember) {
    const ReportOutcome player =
        run_report({QStringLiteral(u"player"), QStringLiteral(u"team.kld"), QStringLiteral(u"S9")});
    EXPECT_EQ(player.exit_code, 0);
    EXPECT_TRUE(player.out.startsWith(QStringLiteral(u"テストFC\r\n\r\nメンバー\tS9\r\n")));
    EXPECT_TRUE(player.out.contains(QStringLiteral(u"合計\t180\t1\t0\t0\t0\t\r\nCF\t0\t")));
    const ReportOutcome nobody =
        run_report({QStringLiteral(u"player"), QStringLiteral(u"team.kld"), QStringLiteral(u"誰か")});
    EXPECT_TRUE(nobody.out.contains(QStringLiteral(u"合計\t0\t0\t0\t0\t0\t\r\n")));
}

TEST_F(Report, AFailedCheckOfTheViewEndsWithCodeTwo) {
    const ReportOutcome reversed =
        run_report({QStringLiteral(u"team"), QStringLiteral(u"team.kld"), QStringLiteral(u"--period"),
                    QStringLiteral(u"2006/05/01 10:00"), QStringLiteral(u"2006/04/01 10:00")});
    EXPECT_EQ(reversed.exit_code, 2);
    EXPECT_EQ(reversed.out, QString());
    EXPECT_EQ(reversed.err, QStringLiteral(u"左ボックスは右ボックスより前の日付を選択して下さい。。\n"));
    const ReportOutcome no_member =
        run_report({QStringLiteral(u"player"), QStringLiteral(u"team.kld"), QString()});
    EXPECT_EQ(no_member.exit_code, 2);
    EXPECT_EQ(no_member.err, QStringLiteral(u"「メンバー」　を選択して下さい。\n"));
    const ReportOutcome empty_period =
        run_report({QStringLiteral(u"player"), QStringLiteral(u"team.kld"), QStringLiteral(u"S9"),
                    QStringLiteral(u"--period"), QString(), QStringLiteral(u"x")});
    EXPECT_EQ(empty_period.err, QStringLiteral(u"「期間」　を選択して下さい。\n"));
}

TEST_F(Report, BackupsPrintsTheRowsOfRestoreNewestFirstTabSeparated) {
    md::DataStore store;
    ASSERT_TRUE(store.load_team_file(QStringLiteral(u"team.kld")).ok());
    store.game_lines.removeFirst();
    ASSERT_TRUE(store.save_team_data().ok);
    store.member_list = QStringLiteral(u"佐藤,鈴木");
    ASSERT_TRUE(store.save_team_data().ok);
    const QByteArray team = test::read_bytes(QStringLiteral(u"team.kld"));

    const ReportOutcome listed = run_report({QStringLiteral(u"backups"), QStringLiteral(u"team.kld")});
    EXPECT_EQ(listed.exit_code, 0);
    EXPECT_EQ(listed.err, QString());
    const QStringList lines = listed.out.split(QStringLiteral(u"\r\n"));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral(u"\tテストFC\t1\t試合 \u22121")));
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral(u"\tテストFC\t2\t")));
    EXPECT_EQ(lines[1].split(u'\t').at(0).size(), 19);
    EXPECT_EQ(lines[2], QString());
    EXPECT_EQ(test::read_bytes(QStringLiteral(u"team.kld")), team);
    // The backups of a file that is gone are still listed; a file without any lists nothing.
    QFile::remove(QStringLiteral(u"team.kld"));
    EXPECT_EQ(run_report({QStringLiteral(u"backups"), QStringLiteral(u"team.kld")}).out, listed.out);
    EXPECT_EQ(run_report({QStringLiteral(u"backups"), QStringLiteral(u"none.kld")}).out, QString());
}

TEST_F(Report, ChartsPrintsTheBreakdownFirstThenTheSeriesAndTheSquad) {
    const ReportOutcome all = run_report({QStringLiteral(u"charts"), QStringLiteral(u"team.kld")});
    EXPECT_EQ(all.exit_code, 0);
    EXPECT_EQ(all.err, QString());
    EXPECT_TRUE(
        all.out.startsWith(QStringLiteral(u"（内訳）規定時間: 1勝 1分 0敗　延長: 0勝 0敗　PK: 0勝 0敗\r\n")));
    // Games in date order, whatever their stored order.
    EXPECT_TRUE(all.out.contains(
        QStringLiteral(u"2006/04/01\t10:00\t青葉FC\tリーグ戦\t0\t0\t\t分\t\t1\r\n"
                       u"2006/05/01\t10:00\t赤坂SC\tリーグ戦\t1\t0\t\t勝\t規定時間\t4\r\n")));
    EXPECT_TRUE(all.out.contains(QStringLiteral(u"\r\nメンバー\r\n名前\t出場\t先発\t途中出場\t出場時間\t")));
    EXPECT_TRUE(all.out.endsWith(QStringLiteral(u"2006/05/01 10:00\t2006/04/01 10:00\tリーグ戦\r\n\r\n")));
    const ReportOutcome may =
        run_report({QStringLiteral(u"charts"), QStringLiteral(u"team.kld"), QStringLiteral(u"--period"),
                    QStringLiteral(u"2006/05/01 10:00"), QStringLiteral(u"2006/05/01 10:00")});
    EXPECT_TRUE(may.out.startsWith(QStringLiteral(u"（内訳）規定時間: 1勝 0分 0敗")));
    EXPECT_TRUE(
        may.out.contains(QStringLiteral(u"得点・アシスト\r\n名前\t得点\tアシスト\r\nS9\t1\t0\r\n\r\n")));
    // The team view's checks, with its messages.
    const ReportOutcome reversed =
        run_report({QStringLiteral(u"charts"), QStringLiteral(u"team.kld"), QStringLiteral(u"--period"),
                    QStringLiteral(u"2006/05/01 10:00"), QStringLiteral(u"2006/04/01 10:00")});
    EXPECT_EQ(reversed.exit_code, 2);
    EXPECT_EQ(reversed.err, QStringLiteral(u"左ボックスは右ボックスより前の日付を選択して下さい。。\n"));
    const ReportOutcome no_meeting = run_report(
        {QStringLiteral(u"charts"), QStringLiteral(u"team.kld"), QStringLiteral(u"--meeting"), QString()});
    EXPECT_EQ(no_meeting.exit_code, 2);
    EXPECT_EQ(no_meeting.err, QStringLiteral(u"「大会名」　を選択して下さい。\n"));
    EXPECT_EQ(run_report({QStringLiteral(u"charts"), QStringLiteral(u"none.kld")}).exit_code, 1);
}

TEST_F(Report, CsvPrintsTheViewAsTheExportedFileHoldsIt) {
    const ReportOutcome csv =
        run_report({QStringLiteral(u"games"), QStringLiteral(u"team.kld"), QStringLiteral(u"--sort"),
                    QStringLiteral(u"2"), QStringLiteral(u"--csv")});
    EXPECT_EQ(csv.exit_code, 0);
    EXPECT_EQ(csv.out, QStringLiteral(u"\uFEFFテストFC\r\n\r\n日付,対戦相手,スコア,大会名,場所\r\n"
                                      u"2006/05/01 10:00,赤坂SC,1-0,リーグ戦,市民グラウンド\r\n"
                                      u"2006/04/01 10:00,青葉FC,0-0,リーグ戦,市民グラウンド\r\n"));
    const ReportOutcome detail = run_report({QStringLiteral(u"detail"), QStringLiteral(u"team.kld"),
                                             QStringLiteral(u"1"), QStringLiteral(u"--csv")});
    EXPECT_TRUE(detail.out.contains(
        QStringLiteral(u"\r\n10分,[テストFC],S9,\" （右足 , 中央（エリア内） , こぼれ球）\"\r\n")));
}

// The program itself, as a script runs it: no display, and the PDF in place of the text.
class ReportProgram : public Report {
  protected:
    int run(const QStringList& arguments) {
        test::HeadlessRun ran = test::run_headless(QStringLiteral(KL_REPORT_PROGRAM), arguments, 60000);
        out = std::move(ran.out);
        err = ran.err;
        return ran.exit_code;
    }
    QByteArray out;
    QString err;
};

TEST_F(ReportProgram, PdfWritesTheViewsPagesAndPrintsNothing) {
    EXPECT_EQ(run({QStringLiteral(u"games"), QStringLiteral(u"team.kld"), QStringLiteral(u"--pdf"),
                   QStringLiteral(u"games.pdf")}),
              0);
    EXPECT_EQ(out, QByteArray());
    EXPECT_EQ(err, QString());
    const test::PdfReading games = test::read_pdf(QStringLiteral(u"games.pdf"));
    EXPECT_EQ(games.pages, 1);
    EXPECT_TRUE(test::in_reading_order(
        games.text,
        {QStringLiteral(u"テストFC"), QStringLiteral(u"試合データ一覧"), QStringLiteral(u"日付"),
         QStringLiteral(u"2006/04/01 10:00"), QStringLiteral(u"青葉FC"), QStringLiteral(u"2006/05/01 10:00"),
         QStringLiteral(u"赤坂SC"), QStringLiteral(u"1 / 1")}));
    EXPECT_TRUE(test::fonts_embedded_as_text(games));

    EXPECT_EQ(run({QStringLiteral(u"player"), QStringLiteral(u"team.kld"), QStringLiteral(u"S9"),
                   QStringLiteral(u"--pdf"), QStringLiteral(u"player.pdf"), QStringLiteral(u"--meeting"),
                   QStringLiteral(u"リーグ戦")}),
              0);
    EXPECT_TRUE(test::in_reading_order(test::read_pdf(QStringLiteral(u"player.pdf")).text,
                                       {QStringLiteral(u"個人データ"), QStringLiteral(u"S9"),
                                        QStringLiteral(u"リーグ戦"), QStringLiteral(u"得点数")}));
    EXPECT_EQ(test::read_bytes(QStringLiteral(u"team.kld")), original_);
}

TEST_F(ReportProgram, PdfEndsWithTheCodesOfTheText) {
    EXPECT_EQ(run({QStringLiteral(u"team"), QStringLiteral(u"none.kld"), QStringLiteral(u"--pdf"),
                   QStringLiteral(u"team.pdf")}),
              report_unreadable);
    EXPECT_EQ(run({QStringLiteral(u"team"), QStringLiteral(u"team.kld"), QStringLiteral(u"--pdf")}),
              report_usage);
    EXPECT_EQ(run({QStringLiteral(u"team"), QStringLiteral(u"team.kld"), QStringLiteral(u"--csv"),
                   QStringLiteral(u"--pdf"), QStringLiteral(u"team.pdf")}),
              report_usage);
    EXPECT_FALSE(QFile::exists(QStringLiteral(u"team.pdf")));
    EXPECT_EQ(run({QStringLiteral(u"detail"), QStringLiteral(u"team.kld"), QStringLiteral(u"1"),
                   QStringLiteral(u"--pdf"), QStringLiteral(u"no/such/folder/detail.pdf")}),
              report_cannot_write);
    EXPECT_TRUE(err.startsWith(QStringLiteral(u"「no/such/folder/detail.pdf」　を保存できません。")));
}

// out.pdf, a FIFO, was replaced by a regular file.
TEST_F(ReportProgram, APdfIsWrittenOnlyToARegularFileOrANewName) {
    const test::Fifo fifo(QStringLiteral(u"out.pdf"));
    EXPECT_EQ(run({QStringLiteral(u"games"), QStringLiteral(u"team.kld"), QStringLiteral(u"--pdf"),
                   QStringLiteral(u"out.pdf")}),
              report_cannot_write);
    EXPECT_EQ(err, QStringLiteral(u"「out.pdf」　を保存できません。（通常のファイルではありません）\n"));
    struct stat status {};
    ASSERT_EQ(::lstat("out.pdf", &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
}

// The report program with its standard output on a descriptor; its exit status, or 128 and the
// signal that ended it.
int run_with_output(int output, const QStringList& arguments, QString& err) {
    std::vector<QByteArray> words = {QByteArrayLiteral(KL_REPORT_PROGRAM)};
    for (const QString& argument : arguments) {
        words.push_back(argument.toLocal8Bit());
    }
    std::vector<char*> argv;
    for (QByteArray& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output, STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "err.txt", O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        ADD_FAILURE() << "cannot start " << argv[0];
        return -1;
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    err = QString::fromUtf8(test::read_bytes(QStringLiteral(u"err.txt")));
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Into a closed pipe or onto a full device the command ended with 0 and nothing written.
TEST_F(Report, StandardOutputThatTakesNothingEndsWith74) {
    const QStringList games = {QStringLiteral(u"games"), QStringLiteral(u"team.kld")};
    int pipe_ends[2];
    ASSERT_EQ(::pipe(pipe_ends), 0);
    ::close(pipe_ends[0]);
    QString err;
    EXPECT_EQ(run_with_output(pipe_ends[1], games, err), report_output_failed);
    ::close(pipe_ends[1]);
    EXPECT_EQ(err, QStringLiteral(u"標準出力に書き込めません。（書き込み先が閉じられています）\n"));

    const int full = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
    ASSERT_GE(full, 0);
    EXPECT_EQ(run_with_output(full, games, err), report_output_failed);
    ::close(full);
    EXPECT_EQ(err, QStringLiteral(u"標準出力に書き込めません。（ディスクの空き容量が足りません）\n"));
}

TEST_F(Report, BadUsageEndsWithCode64) {
    const QString file = QStringLiteral(u"team.kld");
    const QList<QStringList> bad = {
        {},
        {QStringLiteral(u"list"), file},
        {QStringLiteral(u"games")},
        {QStringLiteral(u"games"), file, QStringLiteral(u"--sort"), QStringLiteral(u"6")},
        {QStringLiteral(u"games"), file, QStringLiteral(u"--sort")},
        {QStringLiteral(u"detail"), file},
        {QStringLiteral(u"detail"), file, QStringLiteral(u"x")},
        {QStringLiteral(u"detail"), file, QStringLiteral(u"0")},
        {QStringLiteral(u"detail"), file, QStringLiteral(u"3")},
        {QStringLiteral(u"team"), file, QStringLiteral(u"--period"), QStringLiteral(u"a")},
        {QStringLiteral(u"team"), file, QStringLiteral(u"--sort"), QStringLiteral(u"7")},
        {QStringLiteral(u"team"), file, QStringLiteral(u"--meeting"), QStringLiteral(u"a"),
         QStringLiteral(u"--meeting"), QStringLiteral(u"b")},
        {QStringLiteral(u"player"), file},
        {QStringLiteral(u"games"), file, QStringLiteral(u"--meeting"), QStringLiteral(u"a")},
        {QStringLiteral(u"backups")},
        {QStringLiteral(u"backups"), file, file},
        {QStringLiteral(u"charts")},
        {QStringLiteral(u"charts"), file, QStringLiteral(u"--sort"), QStringLiteral(u"1")},
        {QStringLiteral(u"charts"), file, QStringLiteral(u"extra")},
    };
    for (const QStringList& arguments : bad) {
        const ReportOutcome outcome = run_report(arguments);
        EXPECT_EQ(outcome.exit_code, 64) << arguments.join(u' ').toStdString();
        EXPECT_EQ(outcome.out, QString());
        EXPECT_TRUE(outcome.err.startsWith(QStringLiteral(u"usage: kickledger-report")));
    }
    // Nothing was written.
    EXPECT_EQ(test::read_bytes(file), original_);
    EXPECT_FALSE(QFile::exists(QStringLiteral(u"setting.ini")));
}

}  // namespace
}  // namespace kl
