#include "reports/game_lists.h"
#include "reports/shared_names_rule.h"
#include "stats/team_stats.h"
#include "store/vocabulary.h"
#include "support/game_builder.h"

#include <gtest/gtest.h>

namespace kl {
namespace {

using md::SharedNames;
using test::GameBuilder;

TEST(NameParts, FamilyNameIsThePartBeforeTheFirstBlank) {
    EXPECT_EQ(family_name(QStringLiteral(u"佐藤 翔")), QStringLiteral(u"佐藤"));
    EXPECT_EQ(given_name(QStringLiteral(u"佐藤 翔")), QStringLiteral(u"翔"));
    EXPECT_EQ(family_name(QStringLiteral(u"佐藤　翔")), QStringLiteral(u"佐藤"));  // an ideographic space
    EXPECT_EQ(given_name(QStringLiteral(u"佐藤　翔")), QStringLiteral(u"翔"));
    EXPECT_EQ(family_name(QStringLiteral(u"佐藤")), QStringLiteral(u"佐藤"));
    EXPECT_EQ(given_name(QStringLiteral(u"佐藤")), QString());
}

// Hepburn: the letter a name starts with in a passport.
TEST(LatinInitials, KanaRomaniseByHepburn) {
    const std::pair<const char16_t*, char16_t> words[] = {
        {u"さとう", u'S'}, {u"しょう", u'S'}, {u"ちひろ", u'C'}, {u"つばさ", u'T'},  {u"ふうが", u'F'},
        {u"じゅん", u'J'}, {u"ぢ", u'J'},     {u"づ", u'Z'},     {u"をの", u'O'},    {u"ゆうと", u'Y'},
        {u"がく", u'G'},   {u"ぱく", u'P'},   {u"ん", u'N'},     {u"ヒナタ", u'H'},  {u"ヴィ", u'V'},
        {u"ｿｳﾀ", u'S'},    {u"っさ", u'S'},   {u"Ōno", u'O'},    {u"ｈａｒｕ", u'H'}};
    for (const auto& [word, initial] : words) {
        EXPECT_EQ(latin_initial(QString::fromUtf16(word)), QChar(initial))
            << QString::fromUtf16(word).toStdString();
    }
    EXPECT_EQ(latin_initial(u"翔"), std::nullopt);
    EXPECT_EQ(latin_initial(u""), std::nullopt);
}

TEST(LatinInitials, GivenNameFirstThenFamilyName) {
    EXPECT_EQ(latin_initials(QStringLiteral(u"Sato Hanako")), QStringLiteral(u"H.S."));
    EXPECT_EQ(latin_initials(QStringLiteral(u"さとう しょう")), QStringLiteral(u"S.S."));
    EXPECT_EQ(latin_initials(QStringLiteral(u"タナカ　ヒナタ")), QStringLiteral(u"H.T."));
    EXPECT_EQ(latin_initials(QStringLiteral(u"たなか")), QStringLiteral(u"T."));
    EXPECT_EQ(latin_initials(QStringLiteral(u"佐藤 翔")), std::nullopt);
    EXPECT_EQ(latin_initials(QStringLiteral(u"佐藤 しょう")), std::nullopt);
}

const QStringList members = {QStringLiteral(u"佐藤 翔"), QStringLiteral(u"佐藤 陸"),
                             QStringLiteral(u"Sato Hanako"), QStringLiteral(u"たなか ひなた")};

TEST(SharedNameRule, ShowsEachMemberAsTheSettingSays) {
    const md::NameReadings readings = {{QStringLiteral(u"佐藤 陸"), QStringLiteral(u"さとう りく")}};
    const SharedNameRule full(SharedNames::full, members, readings);
    EXPECT_EQ(full.shown(QStringLiteral(u"佐藤 翔")), QStringLiteral(u"佐藤 翔"));

    // Two members of one family are told apart by their numbers.
    const SharedNameRule family(SharedNames::family, members, readings);
    EXPECT_EQ(family.shown(QStringLiteral(u"佐藤 翔")), QStringLiteral(u"佐藤（1）"));
    EXPECT_EQ(family.shown(QStringLiteral(u"佐藤 陸")), QStringLiteral(u"佐藤（2）"));
    EXPECT_EQ(family.shown(QStringLiteral(u"たなか ひなた")), QStringLiteral(u"たなか"));

    // A kanji name has initials only through its reading; without one it is shown by number.
    const SharedNameRule initials(SharedNames::initials, members, readings);
    EXPECT_EQ(initials.shown(QStringLiteral(u"佐藤 翔")), QStringLiteral(u"選手1"));
    EXPECT_EQ(initials.shown(QStringLiteral(u"佐藤 陸")), QStringLiteral(u"R.S."));
    EXPECT_EQ(initials.shown(QStringLiteral(u"Sato Hanako")), QStringLiteral(u"H.S."));
    EXPECT_EQ(initials.shown(QStringLiteral(u"たなか ひなた")), QStringLiteral(u"H.T."));

    const SharedNameRule none(SharedNames::none, members, readings);
    EXPECT_EQ(none.shown(QStringLiteral(u"Sato Hanako")), QStringLiteral(u"選手3"));
    EXPECT_FALSE(none.has_member_pages());
    EXPECT_TRUE(initials.has_member_pages());

    // An own goal and an empty slot stay; a name the rule never met gets no number and no name.
    EXPECT_EQ(none.shown(md::words::own_goal), md::words::own_goal);
    EXPECT_EQ(none.shown(QString()), QString());
    EXPECT_EQ(initials.shown(QStringLiteral(u"山田 太郎")), QStringLiteral(u"選手"));
    EXPECT_EQ(family.shown(QStringLiteral(u"山田 太郎")), QStringLiteral(u"山田"));
    EXPECT_EQ(none.number(QStringLiteral(u"山田 太郎")), 0);
}

TEST(SharedNameRule, NumbersTheMemberListThenTheGamesNames) {
    md::DataStore store;
    store.member_list = QStringLiteral(u"S2,S1");
    GameBuilder game;
    game.reserves = {QStringLiteral(u"R1")};
    game.substitution(30, QStringLiteral(u"CF"), QStringLiteral(u"X9"), QStringLiteral(u"S11"));
    store.game_lines = {game.line()};
    const SharedNameRule rule = SharedNameRule::for_team(store, SharedNames::none, {});
    EXPECT_EQ(rule.number(QStringLiteral(u"S2")), 1);
    EXPECT_EQ(rule.number(QStringLiteral(u"S1")), 2);
    EXPECT_EQ(rule.number(QStringLiteral(u"S3")), 3);
    EXPECT_EQ(rule.number(QStringLiteral(u"R1")), 12);
    EXPECT_EQ(rule.number(QStringLiteral(u"X9")), 13);
    EXPECT_EQ(rule.members().size(), 13);
}

// Every name of a game goes through the rule: line-up, reserves, goals and assists, cards,
// substitutions, position and formation changes and the shoot-out's kickers; the statistics of the
// renamed games are those of the stored ones under the shown names.
TEST(SharedGames, EveryMemberFieldIsRenamedAndTheFiguresStay) {
    GameBuilder game;
    game.with_extra_time(md::words::both_halves_mode, 20).with_shoot_out();
    game.goal(10, QStringLiteral(u"S10"), QStringLiteral(u"S9"));
    game.card(20, md::words::caution, QStringLiteral(u"S4"));
    game.substitution(30, QStringLiteral(u"CF"), QStringLiteral(u"R1"), QStringLiteral(u"S11"));
    game.add({QStringLiteral(u"40"), md::words::position_change, QStringLiteral(u"CB"), QStringLiteral(u"S6"),
              QStringLiteral(u"CH"), QStringLiteral(u"S5")});
    QStringList formation = {QStringLiteral(u"50"), md::words::formation_change, QStringLiteral(u"4-4-2")};
    for (int row = 0; row < 11; ++row) {
        formation << game.positions[static_cast<size_t>(row)]
                  << (row == 10 ? QStringLiteral(u"R1") : game.starters[static_cast<size_t>(row)]);
    }
    game.add(formation);
    game.goal(60, md::words::own_goal, QStringLiteral(u"S8"));
    game.conceded(70);
    game.conceded(80);
    game.add({md::words::shoot_out_time, md::words::shoot_out, md::words::kicks_first, QStringLiteral(u"1"),
              QStringLiteral(u"S2"), QStringLiteral(u"0"), QStringLiteral(u"1"), QStringLiteral(u"S3"),
              QStringLiteral(u"1")});
    QStringList names;
    for (const QString& starter : game.starters) {
        names.append(starter);
    }
    names += game.reserves;
    const SharedNameRule rule(SharedNames::none, names, {});
    const QString shared = shared_game_line(game.line(), rule);
    for (const QString& name : names) {
        EXPECT_FALSE(shared.split(u',').contains(name)) << name.toStdString();
    }
    EXPECT_TRUE(shared.contains(QStringLiteral(u",選手2,0,1,選手3,1,##")));
    EXPECT_TRUE(shared.contains(md::words::own_goal));

    const TeamStats stored = compute_team_stats({game.line()}, {});
    const TeamStats renamed = compute_team_stats({shared}, {});
    EXPECT_EQ(team_totals_line(renamed.totals), team_totals_line(stored.totals));
    ASSERT_EQ(renamed.players.size(), stored.players.size());
    for (size_t i = 0; i < stored.players.size(); ++i) {
        EXPECT_EQ(renamed.players[i].name, rule.shown(stored.players[i].name));
        EXPECT_EQ(renamed.players[i].minutes, stored.players[i].minutes);
        EXPECT_EQ(renamed.players[i].goals, stored.players[i].goals);
        EXPECT_EQ(renamed.players[i].assists, stored.players[i].assists);
        EXPECT_EQ(renamed.players[i].cautions, stored.players[i].cautions);
    }
    EXPECT_EQ(shared_game(game.record(), rule).fields.join(u','), shared);
}

TEST(SharedNamesSetting, KeywordsAndCaptionsFollowTheSettingsOrder) {
    EXPECT_EQ(shared_names_from_keyword(QStringLiteral(u"initials")), SharedNames::initials);
    EXPECT_EQ(shared_names_from_keyword(QStringLiteral(u"none")), SharedNames::none);
    EXPECT_EQ(shared_names_from_keyword(QStringLiteral(u"Full")), std::nullopt);
    EXPECT_EQ(shared_names_captions()[static_cast<size_t>(SharedNames::initials)],
              QStringLiteral(u"イニシャル（S.S.）"));
}

}  // namespace
}  // namespace kl
