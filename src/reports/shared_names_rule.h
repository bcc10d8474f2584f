#pragma once

#include "store/data_store.h"
#include "store/game_record.h"
#include "store/shared_names.h"

#include <QString>
#include <QStringList>
#include <array>
#include <map>
#include <optional>

namespace kl {

// A stored name is "family given", split at its first blank (a space or an ideographic space); a
// name without a blank is a family name alone.
QString family_name(const QString& name);
QString given_name(const QString& name);

// The Latin initial of a word written in Latin letters or in kana: the first letter of its Hepburn
// romanisation (さ S, し S, ち C, つ T, ふ F, じ J, を O); nothing for a word in kanji.
std::optional<QChar> latin_initial(QStringView word);

// "H.S.": the initials of the given name and then of the family name ("S." for a family name
// alone), of a name in Latin letters or kana; nothing when a part has no Latin initial.
std::optional<QString> latin_initials(const QString& name);

// How the outputs made for sharing name each member, by the setting. Members are numbered by their
// place in the team's member list, then in the order they first appear in the games.
//   full      the name as stored;
//   family    the family name;
//   initials  the Latin initials of the name, or of its reading when one was entered (a name in
//             kanji has none without it: such a member is shown by number, as with none);
//   none      "選手" and the member's number.
// Two members shown alike are told apart by their numbers: "佐藤（1）", "佐藤（12）".
class SharedNameRule {
  public:
    SharedNameRule(md::SharedNames names, const QStringList& members, const md::NameReadings& readings);
    // The members of the team's file: its member list, then the games' names.
    static SharedNameRule for_team(const md::DataStore& store, md::SharedNames names,
                                   const md::NameReadings& readings);

    md::SharedNames names() const { return names_; }
    // Whether the outputs may have a page per member: not when members are not named at all.
    bool has_member_pages() const { return names_ != md::SharedNames::none; }
    // What the outputs call name; an empty name and an own goal stay as they are. A name the rule
    // does not know is shown as safely as the setting asks, without a number.
    QString shown(const QString& name) const;
    // The member's number (1 on); 0 for a name the rule does not know.
    int number(const QString& name) const;
    const QStringList& members() const { return members_; }

  private:
    QString shown_alone(const QString& name, int number) const;

    md::SharedNames names_;
    md::NameReadings readings_;
    QStringList members_;
    std::map<QString, QString> shown_;
    std::map<QString, int> numbers_;
};

// Every name of the game's line-up, reserves and events as the rule shows it. Everything made from
// the result (sheets, statistics, pictures) then names members only so.
QString shared_game_line(const QString& line, const SharedNameRule& rule);
QStringList shared_game_lines(const QStringList& lines, const SharedNameRule& rule);
md::GameRecord shared_game(const md::GameRecord& game, const SharedNameRule& rule);

// The words of kickledger-report's --names: full, family, initials, none.
std::optional<md::SharedNames> shared_names_from_keyword(const QString& keyword);
// 環境設定's captions of the four choices, in the setting's order.
const std::array<QString, 4>& shared_names_captions();

}  // namespace kl
