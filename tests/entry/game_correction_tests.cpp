#include "entry/game_correction.h"
#include "page_support.h"
#include "store/data_store.h"
#include "support/test_files.h"
#include "team_file_generator.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <cstdio>
#include <map>
#include <tuple>

namespace kl {
namespace {

using test::GameBuilder;

// The formations the tests' pages know (page_support.h).
std::vector<md::Formation> formations_of_page() {
    return {
        test::formation(QStringLiteral(u"4-4-2"), {u"2", u"0", u"0", u"2", u"2", u"0", u"2", u"2", u"0"}),
        test::formation(QStringLiteral(u"3-5-2"), {u"2", u"0", u"1", u"2", u"2", u"0", u"3", u"0", u"0"})};
}

// 次へ on pages 1 and 2 and the replay onto page 3, with nothing changed.
EventPage reopened_page(const GameCorrection& correction, const md::DataStore& store) {
    EventPage page(game_info_fields(correction.info, correction.rules) + lineup_fields(correction.lineup),
                   replay_formations(store.formations(), correction.game),
                   correction.lineup.small_sided_games);
    EXPECT_FALSE(replay_events(page, events_for_lineup(correction, correction.lineup), ReplayMatch::exact));
    return page;
}

// Every team file the repository holds, with the names they are reported by.
std::vector<std::pair<QString, QByteArray>> repository_team_files() {
    std::vector<std::pair<QString, QByteArray>> files;
    const QString root = QStringLiteral(KL_TEST_DATA_DIR);
    for (const QString& folder :
         {root, root + QStringLiteral(u"/malformed"), root + QStringLiteral(u"/fuzz_corpus/team_file"),
          root + QStringLiteral(u"/fuzz_findings/team_file"), QStringLiteral(KL_SAMPLES_DIR)}) {
        QDirIterator entries(folder, QDir::Files);
        while (entries.hasNext()) {
            const QString path = entries.next();
            if (!path.contains(QStringLiteral(u"/refused_"))) {
                files.emplace_back(path, test::read_bytes(path));
            }
        }
    }
    md::DataStore generated;
    bench::generate_large_team(generated);
    generated.data_file_path = QStringLiteral(u"generated.kld");
    files.emplace_back(QStringLiteral(u"the benchmark's large team"), generated.encode_team_file().bytes);
    return files;
}

// Opening any stored game for correction and pressing 完了 without a change writes the file as it
// was, byte for byte; a game the wizard could not have entered is refused, never changed.
TEST(GameCorrection, EveryStoredGameComesBackByteForByteWhenNothingChanges) {
    int games = 0;
    std::map<QString, int> refusals;
    for (const auto& [name, bytes] : repository_team_files()) {
        md::DataStore loaded;
        if (!loaded.load_team_bytes(bytes, QStringLiteral(u"team.kld")).ok()) {
            continue;
        }
        // What a save writes of the file unchanged: the file itself, unless it is one of the odd
        // forms the loader reads (sections twice, lone line feeds, games out of order), which a
        // save writes plainly and 完了 in the stored order.
        md::DataStore sorted = loaded;
        md::sort_game_lines(sorted.game_lines);
        // The lines a save encodes, compared without encoding them for every game.
        for (int position = 0; position < loaded.game_lines.size(); ++position) {
            ++games;
            md::DataStore store = loaded;
            const auto opened = open_correction(store, position);
            if (const auto* refusal = std::get_if<md::UserMessage>(&opened)) {
                ++refusals[refusal->text];
                continue;
            }
            const auto& correction = std::get<GameCorrection>(opened);
            const EventPage page = reopened_page(correction, store);
            ASSERT_FALSE(replace_game(store, position, page.state().event_fields,
                                      page.state().event_field_count, std::nullopt))
                << name.toStdString();
            ASSERT_EQ(store.team_file_lines(), sorted.team_file_lines())
                << name.toStdString() << " game " << position;
        }
    }
    int refused = 0;
    for (const auto& [reason, count] : refusals) {
        refused += count;
    }
    std::printf("games: %d, corrected unchanged: %d, refused: %d\n", games, games - refused, refused);
    for (const auto& [reason, count] : refusals) {
        std::printf("  refused %d: %s\n", count, qPrintable(reason));
    }
    EXPECT_GT(games, 1000);
}

// The state a user sees on page 3.
void expect_same_page(const EventPage& replayed, const EventPage& entered) {
    const EventPageState& a = replayed.state();
    const EventPageState& b = entered.state();
    EXPECT_EQ(a.event_fields, b.event_fields);
    EXPECT_EQ(a.reserves, b.reserves);
    EXPECT_EQ(a.own_score, b.own_score);
    EXPECT_EQ(a.opponent_score, b.opponent_score);
    EXPECT_EQ(a.period, b.period);
    EXPECT_EQ(a.silver_lead, b.silver_lead);
    EXPECT_EQ(a.current_formation, b.current_formation);
    EXPECT_EQ(a.last_regular_time, b.last_regular_time);
    EXPECT_EQ(a.last_extra_time, b.last_extra_time);
    EXPECT_EQ(replayed.time_text(), entered.time_text());
    EXPECT_EQ(replayed.time_label(), entered.time_label());
    for (size_t row = 0; row < a.pitch.size(); ++row) {
        EXPECT_EQ(a.pitch[row].position, b.pitch[row].position) << row;
        EXPECT_EQ(a.pitch[row].member, b.pitch[row].member) << row;
        EXPECT_EQ(a.pitch[row].cautioned, b.pitch[row].cautioned) << row;
    }
    ASSERT_EQ(a.lines.size(), b.lines.size());
    for (size_t line = 0; line < a.lines.size(); ++line) {
        EXPECT_EQ(a.lines[line].content, b.lines[line].content);
        EXPECT_EQ(a.lines[line].colour, b.lines[line].colour);
    }
    const EntryControls& x = a.controls;
    const EntryControls& y = b.controls;
    EXPECT_EQ(std::tie(x.add, x.kinds, x.time_buttons, x.pitch_list, x.reserve_list, x.half_button,
                       x.extra_button, x.shoot_out_button, x.delete_line, x.delete_all, x.navigation),
              std::tie(y.add, y.kinds, y.time_buttons, y.pitch_list, y.reserve_list, y.half_button,
                       y.extra_button, y.shoot_out_button, y.delete_line, y.delete_all, y.navigation));
}

// The page a user filled, entered again from its stored record.
EventPage replayed(const EventPage& entered) {
    const std::optional<md::GameRecord> game = md::GameRecord::parse(
        md::compose_record_line(entered.state().event_fields, entered.state().event_field_count));
    EventPage page = test::page_of(GameBuilder{});
    page =
        EventPage(game->fields.mid(1, md::fixed_field_count), replay_formations(formations_of_page(), *game));
    EXPECT_FALSE(replay_events(page, game->events, ReplayMatch::exact));
    return page;
}

TEST(GameReplay, EveryKindEntersAgainAsTheUserEnteredIt) {
    EventPage page = test::page_of(GameBuilder().with_extra_time(QStringLiteral(u"シルバーゴール方式"), 30));
    test::substitute(page, 9, 1);
    page.choose_kind(KindOption::position_change);
    page.click_pitch_row(2);
    page.click_pitch_row(4);
    ASSERT_EQ(test::refusal_of(page), QString());
    test::card(page, 3, false);
    page.type_time(QStringLiteral(u"40"));
    test::card(page, 3, false);  // a second caution sends off
    page.choose_kind(KindOption::goal);
    page.click_pitch_row(10);
    test::choose(page, DetailPanel::finish, 1, 2, 1);  // 被アシスト
    page.click_pitch_row(9);
    test::choose(page, DetailPanel::assist, 0, 4, 5);  // GK
    ASSERT_EQ(test::refusal_of(page), QString());
    page.choose_kind(KindOption::goal);
    page.set_own_goal(true);
    test::choose(page, DetailPanel::own_goal, 2, 1, 7);
    ASSERT_EQ(test::refusal_of(page), QString());
    test::concede(page);
    test::concede(page);
    test::change_formation(page, QStringLiteral(u"3-5-2"));
    ASSERT_FALSE(page.choose_period(Period::extra));
    page.type_time(QStringLiteral(u"100"));
    test::score(page, 8);  // a silver-goal lead
    expect_same_page(replayed(page), page);
}

TEST(GameReplay, AGoldenGoalAndAShootOutCloseTheReplayedPageAsTheyClosedTheEntered) {
    EventPage golden =
        test::page_of(GameBuilder().with_extra_time(QStringLiteral(u"ゴールデンゴール方式"), 20));
    ASSERT_FALSE(golden.choose_period(Period::extra));
    golden.type_time(QStringLiteral(u"97"));
    test::concede(golden);
    expect_same_page(replayed(golden), golden);

    EventPage kicks =
        test::page_of(GameBuilder().with_extra_time(QStringLiteral(u"前・後半"), 30).with_shoot_out());
    ASSERT_FALSE(kicks.choose_period(Period::shoot_out));
    kicks.choose_kick_order(false);
    for (const auto& [own, scored, row] :
         {std::tuple{false, true, -1}, {true, true, 9}, {false, false, -1}, {true, true, 10}}) {
        if (own) {
            kicks.click_pitch_row(row);
        }
        ASSERT_FALSE(kicks.record_kick(own, scored));
    }
    ASSERT_EQ(test::refusal_of(kicks), QString());
    expect_same_page(replayed(kicks), kicks);
}

// A store of two games of the same day, the second corrected.
class Correction : public ::testing::Test {
  protected:
    void SetUp() override {
        GameBuilder first;
        first.recorder = QStringLiteral(u"A");
        first.time = QStringLiteral(u"09:00");
        GameBuilder second;
        second.recorder = QStringLiteral(u"B");
        second.goal(30, QStringLiteral(u"S10"));
        second.substitution(30, QStringLiteral(u"CF"), QStringLiteral(u"R1"), QStringLiteral(u"S11"));
        second.conceded(60);
        store.member_list = QStringLiteral(u"S1,S2,S3,S4,S5,S6,S7,S8,S9,S10,S11,R1,R2,R3,R4");
        store.formation_lines = {QStringLiteral(u"4-4-2,2,0,0,2,2,0,2,2,0")};
        store.game_lines = {first.line(), second.line()};
        const auto opened = open_correction(store, 1);
        ASSERT_TRUE(std::holds_alternative<GameCorrection>(opened));
        correction = std::get<GameCorrection>(opened);
    }
    md::DataStore store;
    GameCorrection correction;
};

TEST_F(Correction, ThePagesShowTheGameAsEnteredAndItsOwnDateIsNoDuplicate) {
    EXPECT_EQ(correction.info.recorder, QStringLiteral(u"B"));
    EXPECT_EQ(correction.info.hour, QStringLiteral(u"10"));
    EXPECT_EQ(correction.lineup.starters[10], QStringLiteral(u"S11"));
    EXPECT_EQ(correction.lineup.reserves[0], QStringLiteral(u"R1"));
    EXPECT_EQ(correction.lineup.available, QStringList{QStringLiteral(u"R4")});
    EXPECT_FALSE(check_game_info(correction.info, store, 1));
    GameInfo moved = correction.info;
    moved.hour = QStringLiteral(u"09");  // the other game's time
    EXPECT_TRUE(check_game_info(moved, store, 1));
}

TEST_F(Correction, ARenamedMemberKeepsHisEventsAndAMemberLeftOutCutsTheReplay) {
    Lineup renamed = correction.lineup;
    renamed.starters[9] = QStringLiteral(u"新人");  // S10, the scorer
    renamed.reserves[0] = QStringLiteral(u"R4");    // R1, who came on
    EventPage page(game_info_fields(correction.info, correction.rules) + lineup_fields(renamed),
                   store.formations());
    EXPECT_FALSE(
        replay_events(page, events_for_lineup(correction, renamed), ReplayMatch::positions_may_follow));
    EXPECT_EQ(page.state().event_fields[md::fixed_field_count + 4], QStringLiteral(u"新人"));
    EXPECT_EQ(page.state().pitch[10].member, QStringLiteral(u"R4"));

    Lineup short_of_one = correction.lineup;
    short_of_one.reserves[0].clear();
    EventPage cut(game_info_fields(correction.info, correction.rules) + lineup_fields(short_of_one),
                  store.formations());
    const std::optional<ReplayStop> stop =
        replay_events(cut, events_for_lineup(correction, short_of_one), ReplayMatch::positions_may_follow);
    ASSERT_TRUE(stop);
    EXPECT_EQ(replay_cut_message(*stop).text,
              QStringLiteral(u"「30分 交代」　以降のイベントを入力し直して下さい。"));
    EXPECT_EQ(replay_cut_message(*stop).title, QStringLiteral(u"確認"));
    EXPECT_EQ(cut.state().own_score, 1);  // the events before it stay
}

TEST_F(Correction, AShorterGameTimeCutsAtTheFirstEventPastIt) {
    md::Meeting shorter = correction.rules;
    shorter.game_time = QStringLiteral(u"50");
    EventPage page(game_info_fields(correction.info, shorter) + lineup_fields(correction.lineup),
                   store.formations());
    const std::optional<ReplayStop> stop = replay_events(
        page, events_for_lineup(correction, correction.lineup), ReplayMatch::positions_may_follow);
    ASSERT_TRUE(stop);
    EXPECT_EQ(event_label(stop->event), QStringLiteral(u"60分 失点"));
}

TEST_F(Correction, TheCorrectedGameTakesItsPlaceInTheSortedOrderOrNothingChanges) {
    EventPage page = reopened_page(correction, store);
    page.type_time(QStringLiteral(u"70"));
    test::score(page, 8);
    QStringList fields = page.state().event_fields;
    fields[0] = QStringLiteral(u"0");  // a recorder who sorts first
    ASSERT_FALSE(replace_game(store, 1, fields, page.state().event_field_count, std::nullopt));
    ASSERT_EQ(store.game_lines.size(), 2);
    EXPECT_TRUE(store.game_lines[0].startsWith(QStringLiteral(u"#,0,")));
    EXPECT_TRUE(store.game_lines[0].contains(QStringLiteral(u",70,得点・アシスト,")));

    // A file that could not hold the corrected game keeps the stored one.
    const QStringList before = store.game_lines;
    QStringList huge = fields;
    for (int i = 0; i < md::max_game_fields; ++i) {
        huge.append(QStringLiteral(u"x"));
    }
    EXPECT_TRUE(
        replace_game(store, 0, huge, static_cast<int>(huge.size()) - md::fixed_field_count, std::nullopt));
    EXPECT_EQ(store.game_lines, before);
}

// Page 1 refuses a game that another stored game already is: so does opening it, as the games are
// stored now, whether or not the wizard ever opened.
TEST(CorrectionRefusal, AGameThatAnotherStoredGameAlreadyIsIsNotOpened) {
    md::DataStore store;
    GameBuilder first;
    GameBuilder twin;
    twin.recorder = QStringLiteral(u"B");
    store.game_lines = {first.line()};
    ASSERT_TRUE(std::holds_alternative<GameCorrection>(open_correction(store, 0)));
    store.game_lines.append(twin.line());
    const auto opened = open_correction(store, 1);
    ASSERT_TRUE(std::holds_alternative<md::UserMessage>(opened));
    EXPECT_EQ(std::get<md::UserMessage>(opened).text,
              QStringLiteral(
                  u"この試合データは修正できません。（試合情報かメンバーが入力できる形ではありません）"));
}

// Names the master lists no longer hold come back with the corrected game as stored, not as typed,
// and a list they are missing from stays a list without names until a new name joins it.
TEST_F(Correction, OnlyNewlyTypedNamesJoinTheMasterLists) {
    store.member_list.clear();
    TypedNames typed;
    typed.recorder = correction.info.recorder;
    typed.ground = correction.info.ground;
    typed.opponent = QStringLiteral(u"新FC");
    typed.members[0] = correction.lineup.starters[0];
    typed.members[9] = correction.lineup.starters[9];
    typed.members[11] = correction.lineup.reserves[0];
    typed.members[12] = QStringLiteral(u"新人");
    count_stored_names_as_known(typed, correction);
    EventPage page = reopened_page(correction, store);
    ASSERT_FALSE(replace_game(store, 1, page.state().event_fields, page.state().event_field_count, typed));
    EXPECT_EQ(store.recorder_list, QString());
    EXPECT_EQ(store.ground_list, QString());
    EXPECT_EQ(store.opponent_list, QStringLiteral(u"新FC"));
    EXPECT_EQ(store.member_list, QStringLiteral(u"新人"));
}

TEST(CorrectionRefusal, AGameTheWizardCouldNotHaveEnteredIsNotOpened) {
    md::DataStore store;
    GameBuilder game;
    game.card(30, QStringLiteral(u"警告"), QStringLiteral(u"誰か"));  // nobody of the line-up
    store.game_lines = {game.line()};
    const auto opened = open_correction(store, 0);
    ASSERT_TRUE(std::holds_alternative<md::UserMessage>(opened));
    const md::UserMessage& refusal = std::get<md::UserMessage>(opened);
    EXPECT_EQ(refusal.title, QStringLiteral(u"読み込みエラー"));
    EXPECT_EQ(refusal.text,
              QStringLiteral(u"この試合データは修正できません。（「30分 警告・退場」　を入力し直せません）"));
}

}  // namespace
}  // namespace kl
