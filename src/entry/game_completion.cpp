#include "game_completion.h"

#include "store/game_record.h"
#include "store/master_lists.h"

namespace kl {
namespace {

// A typed name not yet among items joins the master list line.
void add_if_new(QString& list, const QStringList& items, const QString& name, const TypedNames& typed) {
    if (name.isEmpty() || items.contains(name) || typed.known_names.contains(name)) {
        return;
    }
    list = md::line_with_name(list, items.isEmpty(), name);
}

// Each member box adds its name at most once: page 2 refuses a name in two boxes.
void add_members(md::DataStore& store, const TypedNames& typed) {
    bool list_empty = typed.member_check.isEmpty();
    for (const QString& member : typed.members) {
        if (member.isEmpty() || typed.member_check.contains(member) || typed.known_names.contains(member)) {
            continue;
        }
        store.member_list = md::line_with_name(store.member_list, list_empty, member);
        list_empty = false;
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
        add_if_new(store.recorder_list, typed->recorders, typed->recorder, *typed);
        add_if_new(store.ground_list, typed->grounds, typed->ground, *typed);
        add_if_new(store.opponent_list, typed->opponents, typed->opponent, *typed);
        add_members(store, *typed);
    }
    md::sort_game_lines(store.game_lines);
    return std::nullopt;
}

}  // namespace kl
