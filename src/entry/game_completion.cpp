#include "game_completion.h"

#include "store/game_record.h"
#include "store/master_lists.h"

namespace kl {
namespace {

// A typed name not yet among items joins the master list line.
void add_if_new(QString& list, const QStringList& items, const QString& name) {
    if (name.isEmpty() || items.contains(name)) {
        return;
    }
    list = md::line_with_name(list, items.isEmpty(), name);
}

void add_members(md::DataStore& store, const TypedNames& typed) {
    QStringList check = typed.member_check;
    if (check.isEmpty()) {
        store.member_list = typed.members[0];
        check.append(typed.members[0]);
    }
    for (const QString& member : typed.members) {
        if (!member.isEmpty() && !check.contains(member)) {
            store.member_list = md::line_with_name(store.member_list, store.member_list.isEmpty(), member);
        }
    }
}

}  // namespace

std::optional<md::UserMessage> complete_game(md::DataStore& store, const QStringList& event_fields,
                                             int event_field_count, const std::optional<TypedNames>& typed) {
    store.game_lines.append(md::compose_record_line(event_fields, event_field_count));
    // A file beyond its limits could not be read again.
    if (store.beyond_capacity()) {
        store.game_lines.removeLast();
        return md::UserMessage{md::input_error_title,
                               QStringLiteral(u"これ以上　「試合データ」　を保存できません。")};
    }
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
