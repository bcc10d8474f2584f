#include "game_completion.h"

#include "store/capacities.h"
#include "store/game_record.h"

namespace kl {
namespace {

// A typed name not yet among items joins the master list line.
void add_if_new(QString& list, const QStringList& items, const QString& name) {
    if (name.isEmpty() || items.contains(name)) {
        return;
    }
    list = items.isEmpty() ? name : list + u',' + name;
}

void add_members(md::DataStore& store, const TypedNames& typed) {
    QStringList check = typed.member_check;
    if (check.isEmpty()) {
        store.member_list = typed.members[0];
        check.append(typed.members[0]);
    }
    for (const QString& member : typed.members) {
        if (!member.isEmpty() && !check.contains(member)) {
            store.member_list += u',' + member;
        }
    }
}

// Whether the file can hold one more game line: the table, the file's lines and its game fields
// all have their limits, and a file beyond them could not be read again.
bool room_for_game(const md::DataStore& store, const QString& line) {
    qsizetype fields = md::record_field_count(line);
    for (const QString& stored : store.game_lines) {
        fields += md::record_field_count(stored);
    }
    return store.game_lines.size() < md::max_game_lines &&
           store.team_file_lines().size() < md::max_file_lines && fields <= md::max_game_fields;
}

}  // namespace

std::optional<md::UserMessage> complete_game(md::DataStore& store, const QStringList& event_fields,
                                             int event_field_count, const std::optional<TypedNames>& typed) {
    const QString line = md::compose_record_line(event_fields, event_field_count);
    if (!room_for_game(store, line)) {
        return md::UserMessage{md::input_error_title,
                               QStringLiteral(u"これ以上　「試合データ」　を保存できません。")};
    }
    store.game_lines.append(line);
    if (typed) {
        add_if_new(store.recorder_list, typed->recorders, typed->recorder);
        add_if_new(store.ground_list, typed->grounds, typed->ground);
        add_if_new(store.opponent_list, typed->opponents, typed->opponent);
        add_members(store, *typed);
    }
    md::sort_game_lines(store.game_lines);
    return std::nullopt;
}

}  // namespace kl
