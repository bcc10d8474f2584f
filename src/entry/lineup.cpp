#include "lineup.h"

#include "store/name_check.h"
#include "store/numbers.h"
#include "store/vocabulary.h"

#include <QSet>

namespace kl {

int assign_formation_positions(const md::Formation& formation, RowTexts& positions) {
    const int last = static_cast<int>(positions.size()) - 1;
    int row = last;
    for (size_t position = 0; position < formation.counts.size(); ++position) {
        for (int count = md::leading_int(formation.counts[position]); count > 0 && row >= 1; --count, --row) {
            positions[static_cast<size_t>(row)] = md::words::outfield_positions[position];
        }
    }
    return last - row;
}

bool row_in_play(int row, int size) {
    return row == 0 || row >= starting_rows - (size - 1);
}

void Lineup::choose_formation(const md::Formation& chosen) {
    formation = chosen.name;
    if (small_sided_games) {
        side = md::formation_size(chosen);
        // A row the formation does not use is hidden: its member goes back to the end of the list.
        for (int row = 1; row < starting_rows; ++row) {
            if (!row_in_play(row)) {
                positions[static_cast<size_t>(row)].clear();
                QString& box = starters[static_cast<size_t>(row)];
                if (!box.isEmpty()) {
                    available.append(box);
                    box.clear();
                }
            }
        }
    }
    assign_formation_positions(chosen, positions);
}

void Lineup::take_selected_into(QString& box) {
    box = available.takeAt(selected);
    // The selection stays at its place, or moves to the new last name.
    selected = std::min(selected, static_cast<int>(available.size()) - 1);
}

void Lineup::click_position(int row) {
    if (!row_in_play(row)) {
        return;  // hidden
    }
    QString& box = starters[static_cast<size_t>(row)];
    if (selected < 0 && box.isEmpty() && !available.isEmpty()) {
        selected = 0;
    }
    if (!box.isEmpty()) {
        available.append(box);
        box.clear();
        if (selected < 0) {
            selected = 0;
        }
    } else if (!available.isEmpty()) {
        take_selected_into(box);
    }
}

void Lineup::add_reserve() {
    if (available.isEmpty()) {
        return;
    }
    if (selected < 0) {
        selected = 0;
    }
    const int slot = first_empty_reserve();
    if (slot < reserve_slots) {
        take_selected_into(reserves[static_cast<size_t>(slot)]);
    }
}

void Lineup::delete_reserve() {
    for (int slot = reserve_slots - 1; slot >= 0; --slot) {
        QString& box = reserves[static_cast<size_t>(slot)];
        if (!box.isEmpty()) {
            available.append(box);
            box.clear();
            return;
        }
    }
}

std::optional<int> Lineup::next_empty_row(int row) const {
    for (int step = 1; step <= starting_rows; ++step) {
        const int next = (row + step) % starting_rows;
        if (row_in_play(next) && starters[static_cast<size_t>(next)].isEmpty()) {
            return next;
        }
    }
    return std::nullopt;
}

int Lineup::filled_starters() const {
    int filled = 0;
    for (int row = 0; row < starting_rows; ++row) {
        filled += row_in_play(row) && !starters[static_cast<size_t>(row)].isEmpty() ? 1 : 0;
    }
    return filled;
}

int Lineup::first_empty_reserve() const {
    int slot = 0;
    while (slot < reserve_slots && !reserves[static_cast<size_t>(slot)].isEmpty()) {
        ++slot;
    }
    return slot;
}

namespace {

// "１１": a number in full-width digits, as the messages write the size of a side.
QString full_width(int number) {
    QString text = QString::number(number);
    for (QChar& c : text) {
        c = QChar(c.unicode() - u'0' + u'０');
    }
    return text;
}

}  // namespace

LineupCheck check_lineup(const Lineup& lineup) {
    auto refuse = [](const QString& text) {
        return LineupCheck{md::UserMessage{md::input_error_title, text}, {}};
    };
    if (lineup.formation.isEmpty()) {
        return refuse(QStringLiteral(u"「フォーメーション名」　を選択して下さい。"));
    }
    if (!lineup.reserves[0].isEmpty() && lineup.filled_starters() < lineup.side) {
        return refuse(
            QStringLiteral(u"「スターティングメンバー」　が　「") + full_width(lineup.side) +
            QStringLiteral(u"人」　いない状態で　「リザーブメンバー」　が控えている事はありません。"));
    }
    if (lineup.starters[0].isEmpty()) {
        return refuse(QStringLiteral(u"「GK」　は必ず選択して下さい。"));
    }
    QSet<QString> seen;
    QStringList starters;
    for (int row = 0; row < starting_rows; ++row) {
        if (lineup.row_in_play(row)) {
            starters.append(lineup.starters[static_cast<size_t>(row)]);
        }
    }
    for (const auto& boxes : {starters, QStringList(lineup.reserves.begin(), lineup.reserves.end())}) {
        for (const QString& name : boxes) {
            if (name.isEmpty()) {
                continue;
            }
            // Typed names go into the record: they must be storable.
            if (std::optional<md::UserMessage> refusal = md::check_name(name)) {
                return {refusal, {}};
            }
            if (seen.contains(name)) {
                return refuse(QStringLiteral(u"「同じ名前」　があります。変更して下さい。"));
            }
            seen.insert(name);
        }
    }
    const int filled = lineup.filled_starters();
    if (filled < lineup.side) {
        return {
            {},
            md::UserMessage{QStringLiteral(u"人数の確認"), QStringLiteral(u"「") + QString::number(filled) +
                                                               QStringLiteral(u"人」　でよろしいですか？")}};
    }
    return {};
}

QStringList lineup_fields(const Lineup& lineup) {
    QStringList fields = {lineup.formation};
    for (int row = 0; row < starting_rows; ++row) {
        if (lineup.row_in_play(row)) {
            fields += {lineup.positions[static_cast<size_t>(row)], lineup.starters[static_cast<size_t>(row)]};
        } else {
            fields += {QString(), QString()};
        }
    }
    for (const QString& reserve : lineup.reserves) {
        fields.append(reserve);
    }
    return fields;
}

}  // namespace kl
