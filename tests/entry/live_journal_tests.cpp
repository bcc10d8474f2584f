#include "entry/live_journal.h"
#include "live_support.h"
#include "support/test_files.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>

namespace kl {
namespace {

using test::GameBuilder;
using test::LiveDriver;

// Everything page 3 and the live window show of a game, to compare two games by.
QStringList shown(const LiveGame& game, qint64 now) {
    const EventPageState& page = game.page().state();
    QStringList text = {md::compose_record_line(page.event_fields, page.event_field_count),
                        QString::number(page.own_score) + u'-' + QString::number(page.opponent_score),
                        period_caption(game.shown_period()),
                        clock_text(game.clock().elapsed(now)),
                        page.reserves.join(u','),
                        page.shoot_out.kicks.join(u',')};
    for (const PitchSlot& slot : page.pitch) {
        text.append(slot.position + u' ' + slot.member + (slot.cautioned ? QStringLiteral(u"*") : QString()));
    }
    for (size_t line = 0; line < page.lines.size(); ++line) {
        text.append(page.lines[line].time + u' ' + page.lines[line].content +
                    (page.details_missing[line] ? QStringLiteral(u" !") : QString()));
    }
    for (const qint64 time : game.event_game_times()) {
        text.append(QString::number(time));
    }
    return text;
}

QByteArray journal_of(const LiveDriver& live) {
    QByteArray bytes = journal_header(live.game.setup());
    for (const TimedAction& timed : live.taken) {
        bytes += journal_line(timed);
    }
    return bytes;
}

// A game with every kind of action, and a member whose name holds a backslash and a tab.
LiveDriver played_game() {
    GameBuilder builder =
        GameBuilder().eight_a_side().with_extra_time(QStringLiteral(u"前・後半"), 10).with_shoot_out();
    builder.starters[9] = QStringLiteral(u"山\\本\t太郎");
    LiveDriver live(builder, true, MinuteCounting::elapsed);
    live.act(LiveVerb::kick_off);
    live.wait(4, 10);
    live.event(LiveVerb::goal, {builder.starters[9]});
    live.assist(0, QStringLiteral(u"S9"));
    live.detail(0, DetailPanel::finish, 0, QStringLiteral(u"頭"));
    live.act(LiveVerb::pause);
    live.wait(1);
    live.act(LiveVerb::kick_off);
    live.wait(3);
    live.event(LiveVerb::substitution, {QStringLiteral(u"S11"), QStringLiteral(u"R1")});
    live.event(LiveVerb::caution, {QStringLiteral(u"S5")});
    live.act(LiveVerb::undo);
    live.event(LiveVerb::sending_off, {QStringLiteral(u"S6")});
    live.act(LiveVerb::period_end);
    live.act(LiveVerb::kick_off);
    live.wait(2);
    live.event(LiveVerb::conceded);
    live.detail(3, DetailPanel::play_before, 2, QStringLiteral(u"GK"));
    live.event(LiveVerb::position_change, {QStringLiteral(u"S7"), QStringLiteral(u"S8")});
    live.act(LiveVerb::period_end);
    live.act(LiveVerb::extra_time);
    live.act(LiveVerb::kick_off);
    live.wait(6);
    live.act(LiveVerb::period_end);
    live.act(LiveVerb::period_end);
    live.act(LiveVerb::shoot_out);
    live.kick_order(true);
    live.kick(true, true, QStringLiteral(u"S9"));
    live.kick(false, false);
    live.kick(true, false, QStringLiteral(u"R1"));
    live.act(LiveVerb::undo);
    live.act(LiveVerb::shoot_out_reset);
    live.kick_order(false);
    live.kick(false, true);
    EXPECT_EQ(live.taken.size(), 29u);
    return live;
}

TEST(LiveJournal, AReplayGivesTheGameAsItWasPlayed) {
    const LiveDriver live = played_game();
    const QByteArray bytes = journal_of(live);
    const auto read = read_journal(bytes);
    ASSERT_TRUE(std::holds_alternative<JournalContent>(read)) << std::get<QString>(read).toStdString();
    const JournalContent& content = std::get<JournalContent>(read);
    EXPECT_EQ(content.torn_bytes, 0);
    EXPECT_EQ(content.setup.counting, MinuteCounting::elapsed);
    EXPECT_TRUE(content.setup.small_sided_games);
    const auto replayed = replay_journal(content, {});
    ASSERT_TRUE(std::holds_alternative<LiveGame>(replayed)) << std::get<QString>(replayed).toStdString();
    EXPECT_EQ(shown(std::get<LiveGame>(replayed), live.now), shown(live.game, live.now));
    EXPECT_TRUE(bytes.startsWith("kickledger-live-journal\t1\nsetup\tteam.kld\t1\telapsed\ngame\t記録者\t"));
    EXPECT_TRUE(bytes.contains("\tgoal\t4\t山\\\\本\\t太郎\n"));
}

// A crash can cut the journal anywhere: its complete lines replay, the rest is told.
TEST(LiveJournal, AJournalCutAtAnyByteReplaysItsCompleteLines) {
    const LiveDriver live = played_game();
    const QByteArray bytes = journal_of(live);
    const qsizetype header_size = journal_header(live.game.setup()).size();
    // The game after each number of actions.
    std::vector<QStringList> after = {shown(LiveGame(live.game.setup(), {}), live.now)};
    std::vector<qsizetype> line_ends = {header_size};
    LiveGame growing(live.game.setup(), {});
    for (const TimedAction& timed : live.taken) {
        ASSERT_FALSE(growing.apply(timed));
        after.push_back(shown(growing, live.now));
        line_ends.push_back(line_ends.back() + journal_line(timed).size());
    }
    for (qsizetype cut = 0; cut <= bytes.size(); ++cut) {
        const auto read = read_journal(bytes.left(cut));
        if (cut < header_size) {
            EXPECT_TRUE(std::holds_alternative<QString>(read)) << cut;
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<JournalContent>(read)) << cut;
        const JournalContent& content = std::get<JournalContent>(read);
        const size_t complete = content.actions.size();
        ASSERT_LE(line_ends[complete], cut);
        ASSERT_TRUE(complete + 1 == line_ends.size() || line_ends[complete + 1] > cut) << cut;
        EXPECT_EQ(content.torn_bytes, cut - line_ends[complete]) << cut;
        const auto replayed = replay_journal(content, {});
        ASSERT_TRUE(std::holds_alternative<LiveGame>(replayed)) << cut;
        EXPECT_EQ(shown(std::get<LiveGame>(replayed), live.now), after[complete]) << cut;
    }
}

TEST(LiveJournal, AJournalThatCannotBeReadInFullIsRefusedWhole) {
    const LiveDriver live = played_game();
    const QByteArray bytes = journal_of(live);
    const auto reason = [](const QByteArray& journal) {
        const auto read = read_journal(journal);
        return std::holds_alternative<QString>(read) ? std::get<QString>(read) : QString();
    };
    EXPECT_EQ(reason("KLD\n"), QStringLiteral(u"（1行目：ライブ入力の記録ではありません）"));
    EXPECT_EQ(reason(QByteArray(bytes).replace("journal\t1\n", "journal\t2\n")),
              QStringLiteral(u"（1行目：この版では読めない形式です）"));
    EXPECT_EQ(reason(QByteArray(bytes).replace("\tpause\n", "\tpass\n")),
              QStringLiteral(u"（8行目：読めない操作です）"));
    EXPECT_EQ(reason(QByteArray(bytes).replace("\tpause\n", "\tpause\t\xff\n")),
              QStringLiteral(u"（8行目：文字が読めません）"));
    // A line that reads but that the game refuses: a caution of a member not on the pitch.
    const auto read = read_journal(QByteArray(bytes).replace("\tcaution\t7\tS5\n", "\tcaution\t7\tR3\n"));
    ASSERT_TRUE(std::holds_alternative<JournalContent>(read));
    const auto replayed = replay_journal(std::get<JournalContent>(read), {});
    ASSERT_TRUE(std::holds_alternative<QString>(replayed));
    EXPECT_EQ(std::get<QString>(replayed), QStringLiteral(u"（11行目：操作をやり直せません）"));
}

TEST(LiveJournal, AGameTakenUpAgainHasItsClockPausedWhereTheGameHadGotTo) {
    LiveDriver live(GameBuilder().eight_a_side(), true);
    live.act(LiveVerb::kick_off);
    live.wait(5);
    live.event(LiveVerb::caution, {QStringLiteral(u"S5")});
    // The program stopped; the game went on. Three minutes later the clock stands at 8:00.
    EXPECT_EQ(live.game.resumed_clock_ms(live.now + 3 * 60000), 8 * 60000);
    // Taken up the next day, the half is over: at most its 20 minutes.
    EXPECT_EQ(live.game.resumed_clock_ms(live.now + 24 * 3600000LL), 20 * 60000);
    live.act(LiveVerb::pause);
    EXPECT_EQ(live.game.resumed_clock_ms(live.now + 3 * 60000), 5 * 60000);
    EXPECT_EQ(resume_question(live.game.setup()),
              (md::UserMessage{
                  QStringLiteral(u"ライブ入力の再開"),
                  QStringLiteral(u"「2006/04/01 10:00 青葉FC」　のライブ入力が途中です。再開しますか？")}));
}

class LiveJournalFiles : public test::InTemporaryFolder {};

TEST_F(LiveJournalFiles, JournalsAreWrittenLineByLineListedPerTeamFileAndKeptWhenAbandoned) {
    const LiveDriver live = played_game();
    const QString path =
        journal_path(QStringLiteral(u"さくらFC.kld"), QDateTime(QDate(2026, 11, 1), QTime(9, 55, 3)));
    EXPECT_EQ(path, QStringLiteral(u"live/さくらFC_20261101-095503.journal"));
    auto begun = LiveJournal::begin(path, live.game.setup());
    ASSERT_TRUE(std::holds_alternative<LiveJournal>(begun));
    const LiveJournal& journal = std::get<LiveJournal>(begun);
    for (const TimedAction& timed : live.taken) {
        ASSERT_FALSE(journal.append(timed));
    }
    EXPECT_EQ(test::read_bytes(path), journal_of(live));
    // The same name again is another game's journal, not this one overwritten.
    EXPECT_TRUE(std::holds_alternative<md::UserMessage>(LiveJournal::begin(path, live.game.setup())));

    test::write_bytes(QStringLiteral(u"live/さくらFC_20261101-120000.journal"), "x");
    test::write_bytes(QStringLiteral(u"live/さくらFC 2_20261101-120000.journal"), "x");
    test::write_bytes(QStringLiteral(u"live/さくらFC_2_20261101-120000.journal"), "x");
    EXPECT_EQ(unfinished_journals(QStringLiteral(u"さくらFC.kld")),
              (QStringList{path, QStringLiteral(u"live/さくらFC_20261101-120000.journal")}));
    ASSERT_TRUE(abandon_journal(path));
    EXPECT_EQ(unfinished_journals(QStringLiteral(u"さくらFC.kld")),
              QStringList{QStringLiteral(u"live/さくらFC_20261101-120000.journal")});
    EXPECT_EQ(test::read_bytes(QStringLiteral(u"live/abandoned/さくらFC_20261101-095503.journal")),
              journal_of(live));
    EXPECT_TRUE(remove_journal(QStringLiteral(u"live/さくらFC_20261101-120000.journal")));
    EXPECT_TRUE(unfinished_journals(QStringLiteral(u"さくらFC.kld")).isEmpty());
    // A journal that is gone cannot take an action: the message says so.
    EXPECT_TRUE(journal.append(live.taken.front()));
}

}  // namespace
}  // namespace kl
