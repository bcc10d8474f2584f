#include "game_lists.h"

#include "store/capacities.h"
#include "store/game_record.h"
#include "store/text_order.h"

#include <algorithm>
#include <unordered_set>

namespace kl {
namespace {

// Names collected in order of first appearance, up to the table's capacity. The names are views
// into the store's game lines, which outlive the collection.
class UniqueNames {
  public:
    void add(QStringView name) {
        if (name.isEmpty() || static_cast<int>(names_.size()) >= md::max_unique_names ||
            !seen_.insert(name).second) {
            return;
        }
        names_.append(name.toString());
    }
    QStringList sorted() const {
        QStringList names = names_;
        md::sort_texts(names);
        return names;
    }

  private:
    QStringList names_;
    std::unordered_set<QStringView, md::TextHash> seen_;
};

QString score_of(const std::vector<QStringView>& fields, const std::vector<md::EventSpan>& spans) {
    int goals_for = 0;
    int goals_against = 0;
    for (const md::EventSpan& span : spans) {
        if (span.kind == md::EventKind::Goal) {
            ++goals_for;
        } else if (span.kind == md::EventKind::Conceded) {
            ++goals_against;
        } else if (span.kind == md::EventKind::ShootOut) {
            const md::ShootOutScore kicks = md::event_from_span(fields, span).shoot_out_score();
            return score_text(goals_for, goals_against, kicks.own, kicks.opponent);
        }
    }
    return score_text(goals_for, goals_against);
}

}  // namespace

QString score_text(int goals_for, int goals_against) {
    return QString::number(goals_for) + u'-' + QString::number(goals_against);
}

QString score_text(int goals_for, int goals_against, int own_kicks, int opponent_kicks) {
    return score_text(goals_for, goals_against) + QStringLiteral(u" (PK ") + QString::number(own_kicks) +
           u'-' + QString::number(opponent_kicks) + u')';
}

GameLists build_game_lists(const md::DataStore& store) {
    GameLists lists;
    UniqueNames meetings;
    UniqueNames members;
    std::vector<QStringView> fields;
    lists.rows.reserve(static_cast<size_t>(store.game_lines.size()));
    lists.period_keys.reserve(store.game_lines.size());
    lists.detail_entries.reserve(store.game_lines.size());
    for (const QString& line : store.game_lines) {
        md::split_record_line(line, fields);
        const std::optional<std::vector<md::EventSpan>> spans = md::decode_event_spans(fields);
        if (!spans) {
            continue;  // the loader refuses such lines; nothing else puts them in the store
        }
        auto field = [&](int position) { return fields[static_cast<size_t>(position)]; };
        const QString date = field(md::record::date).toString();
        const QString time = field(md::record::start_time).toString();
        const QString ground = field(md::record::ground).toString();
        const QString opponent = field(md::record::opponent).toString();
        const QString meeting = field(md::record::meeting).toString();
        const QString key = md::game_key(date, time);
        lists.period_keys.append(key);
        meetings.add(field(md::record::meeting));
        lists.rows.push_back({{key, opponent, score_of(fields, *spans), meeting, ground},
                              static_cast<int>(lists.rows.size())});
        lists.detail_entries.append(md::deletion_list_text(date, time, opponent, ground));
        for (int slot = 0; slot < md::record::starting_slots; ++slot) {
            if (md::is_slot_in_use(field(md::record::starting_position(slot)))) {
                members.add(field(md::record::starting_member(slot)));
            }
        }
        for (int slot = 0; slot < md::record::reserve_slots; ++slot) {
            members.add(field(md::record::reserve(slot)));
        }
    }
    lists.meetings = meetings.sorted();
    lists.members = members.sorted();
    return lists;
}

void sort_game_rows(std::vector<GameListRow>& rows, int column) {
    const auto index = static_cast<size_t>(column);
    std::stable_sort(rows.begin(), rows.end(), [index](const GameListRow& a, const GameListRow& b) {
        return md::text_less(a.cells[index], b.cells[index]);
    });
}

}  // namespace kl
