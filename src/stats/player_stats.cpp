#include "player_stats.h"

#include "game_replay.h"
#include "store/vocabulary.h"

#include <algorithm>
#include <optional>

namespace kl {
namespace {

const QString crlf = QStringLiteral(u"\r\n");
const QChar tab = u'\t';

template <typename Words, typename Counts>
void count_word(const Words& words, Counts& counts, const QString& word) {
    const auto found = std::find(words.begin(), words.end(), word);
    if (found != words.end()) {
        ++counts[static_cast<size_t>(found - words.begin())];
    }
}

// One member through one game, one pass over its events: the position held (empty while off the
// pitch) and its row.
class PersonalReplay {
  public:
    PersonalReplay(PersonalStats& stats, const QString& member) : stats_(stats), member_(member) {}

    void add_game(const md::RecordView& game) {
        position_ = QStringView();
        gone_off_ = false;
        bool in_game = false;
        for (int slot = 0; slot < md::record::starting_slots && !in_game; ++slot) {
            if (game.slot_in_use(slot) && game.starting_member(slot) == member_) {
                position_ = game.starting_position(slot);
                in_game = true;
            }
        }
        for (int slot = 0; slot < md::record::reserve_slots && !in_game; ++slot) {
            in_game = game.reserve(slot) == member_;
        }
        if (!in_game) {
            return;
        }
        for (const md::EventView& event : game.events()) {
            replay(event);
        }
        if (PositionFigures* row = current_row()) {
            const GameClock clock = GameClock::of(game);
            add_minutes(*row, clock.full_length());
            for (const double cut : clock.extra_time_cuts(game)) {
                add_minutes(*row, cut);
            }
        }
    }

  private:
    PositionFigures* current_row() {
        if (position_.isEmpty()) {
            return nullptr;
        }
        const auto& labels = position_row_labels();
        const auto found = std::find(labels.begin() + 1, labels.end(), position_);
        return found == labels.end() ? nullptr
                                     : &stats_.positions[static_cast<size_t>(found - labels.begin())];
    }

    static void add_minutes(PositionFigures& row, double t) { row.minutes = minutes_plus(row.minutes, t); }

    void move_to(QStringView position, double t) {
        if (PositionFigures* row = current_row()) {
            add_minutes(*row, t);
        }
        position_ = position;
        if (PositionFigures* row = current_row()) {
            add_minutes(*row, -t);
        }
    }

    // Minutes are the sum of the member's spells on the pitch, each at the positions held. Once he
    // has gone off, the game is his again only when he comes back on (free re-entry): nothing else
    // that names him counts meanwhile.
    void replay(const md::EventView& event) {
        const double t = event.minute();
        const bool comes_on = event.kind == md::EventKind::Substitution && event.member_in() == member_;
        if (gone_off_ && !comes_on) {
            return;
        }
        switch (event.kind) {
            case md::EventKind::Substitution:
                if (comes_on) {
                    gone_off_ = false;
                    position_ = event.slot_position();
                    if (PositionFigures* row = current_row()) {
                        add_minutes(*row, -t);
                    }
                } else if (event.member_out() == member_) {
                    move_to(QStringView(), t);
                    gone_off_ = true;
                }
                break;
            case md::EventKind::PositionChange:
                if (event.member_1() == member_) {
                    move_to(event.new_position_1(), t);
                } else if (event.member_2() == member_) {
                    move_to(event.new_position_2(), t);
                }
                break;
            case md::EventKind::Goal:
                replay_goal(event);
                break;
            case md::EventKind::Card:
                replay_card(event, t);
                break;
            default:
                break;
        }
    }

    void replay_goal(const md::EventView& event) {
        PositionFigures* row = current_row();
        if (row == nullptr) {
            return;
        }
        DetailTally& details = stats_.details;
        if (event.scorer() == member_) {
            ++row->goals;
            const md::GoalDetail finish = event.finish();
            count_word(md::words::goal_body_parts, details.goal_body, finish.body);
            count_word(md::words::areas, details.goal_area, finish.area);
            count_word(md::words::finish_actions, details.goal_action, finish.action);
        } else if (event.assister() == member_) {
            ++row->assists;
            const md::GoalDetail assist = event.assist();
            count_word(md::words::goal_body_parts, details.assist_body, assist.body);
            count_word(md::words::areas, details.assist_area, assist.area);
            count_word(md::words::assist_actions, details.assist_action, assist.action);
        }
    }

    void replay_card(const md::EventView& event, double t) {
        PositionFigures* row = current_row();
        if (event.carded_member() != member_ || row == nullptr) {
            return;
        }
        if (event.sends_off()) {
            add_minutes(*row, t);
            ++row->sendings_off;
            position_ = QStringView();
        } else {
            ++row->cautions;
        }
    }

    PersonalStats& stats_;
    const QString& member_;
    QStringView position_;   // a view into the game line being replayed
    bool gone_off_ = false;  // substituted off, until he comes on again
};

QString number(int value) {
    return QString::number(value);
}

// "　　label" TAB n, one per word; the last without a line end. The box sets its tab after the
// widest label, so the numbers stand in one column whatever the labels' widths.
template <typename Counts>
QString breakdown_box(const QString& heading, const QStringList& labels, const Counts& counts) {
    QString text = heading + crlf + crlf;
    for (qsizetype i = 0; i < labels.size(); ++i) {
        text += QStringLiteral(u"　　") + labels[i] + tab + number(counts[static_cast<size_t>(i)]);
        if (i + 1 < labels.size()) {
            text += crlf;
        }
    }
    return text;
}

template <typename Words>
QStringList labels_of(const Words& words) {
    return QStringList(words.begin(), words.end());
}

// A row of the copy table: label/count pairs, an empty pair written as two empty cells.
struct Pair {
    QString label;
    std::optional<int> count;
};

QString pair_row(std::initializer_list<Pair> pairs) {
    QStringList cells;
    for (const Pair& pair : pairs) {
        cells += {pair.label, pair.count ? number(*pair.count) : QString()};
    }
    return cells.join(tab) + crlf;
}

}  // namespace

const std::array<QString, position_row_count>& position_row_labels() {
    static const std::array<QString, position_row_count> labels = {
        QStringLiteral(u"合計"), QStringLiteral(u"CF"), QStringLiteral(u"WF"), QStringLiteral(u"OH"),
        QStringLiteral(u"SH"),   QStringLiteral(u"CH"), QStringLiteral(u"DH"), QStringLiteral(u"CB"),
        QStringLiteral(u"SB"),   QStringLiteral(u"SW"), QStringLiteral(u"GK")};
    return labels;
}

PersonalStats compute_personal_stats(const QStringList& game_lines, const StatsFilter& filter,
                                     const QString& member) {
    PersonalStats stats;
    PersonalReplay replay(stats, member);
    md::RecordView game;
    for (const QString& line : game_lines) {
        if (game.read(line) && select_games(filter, game)) {
            replay.add_game(game);
        }
    }
    PositionFigures& total = stats.positions[0];
    for (size_t row = 1; row < stats.positions.size(); ++row) {
        const PositionFigures& figures = stats.positions[row];
        // Minutes read from a file can be as large as an int holds: the sum saturates, as every update does.
        total.minutes = minutes_plus(total.minutes, figures.minutes);
        total.goals += figures.goals;
        total.assists += figures.assists;
        total.cautions += figures.cautions;
        total.sendings_off += figures.sendings_off;
    }
    return stats;
}

std::array<QString, 8> personal_box_texts(const PersonalStats& stats) {
    const DetailTally& d = stats.details;
    const QString body = QStringLiteral(u"部位");
    const QString area = QStringLiteral(u"ポジション");
    const QString action = QStringLiteral(u"アクション");
    const QStringList assist_labels = {QStringLiteral(u"ショートパス"), QStringLiteral(u"ロングパス"),
                                       QStringLiteral(u"FK "),          QStringLiteral(u"CK "),
                                       QStringLiteral(u"PK"),           QStringLiteral(u"GK")};
    return {QStringLiteral(u"得点数") + QString(3, tab) + number(stats.positions[0].goals),
            breakdown_box(body, labels_of(md::words::goal_body_parts), d.goal_body),
            breakdown_box(area, labels_of(md::words::areas), d.goal_area),
            breakdown_box(action, labels_of(md::words::finish_actions), d.goal_action),
            QStringLiteral(u"アシスト数") + QString(3, tab) + number(stats.positions[0].assists),
            breakdown_box(body, labels_of(md::words::goal_body_parts), d.assist_body),
            breakdown_box(area, labels_of(md::words::areas), d.assist_area),
            breakdown_box(action, assist_labels, d.assist_action)};
}

QString personal_copy_text(const PersonalStats& stats) {
    const DetailTally& d = stats.details;
    const auto& body = md::words::goal_body_parts;
    const auto& area = md::words::areas;
    const auto& finish = md::words::finish_actions;
    const auto& assist = md::words::assist_actions;
    const QString heading = QStringLiteral(u"部位") + QString(2, tab) + QStringLiteral(u"ポジション") +
                            QString(2, tab) + QStringLiteral(u"アクション") + crlf + crlf;
    QString text = QStringLiteral(u"得点数") + tab + number(stats.positions[0].goals) + crlf + crlf + heading;
    text += pair_row({{body[0], d.goal_body[0]}, {area[0], d.goal_area[0]}, {finish[0], d.goal_action[0]}});
    text += pair_row({{body[1], d.goal_body[1]}, {area[1], d.goal_area[1]}, {finish[1], d.goal_action[1]}});
    text += pair_row({{body[2], d.goal_body[2]}, {area[2], d.goal_area[2]}, {finish[2], d.goal_action[2]}});
    text += pair_row({{body[3], d.goal_body[3]}, {area[3], d.goal_area[3]}, {finish[3], d.goal_action[3]}});
    text += pair_row({{}, {area[4], d.goal_area[4]}, {finish[4], d.goal_action[4]}});
    text += pair_row({{}, {}, {finish[5], d.goal_action[5]}}) + crlf;
    text += QStringLiteral(u"アシスト数") + tab + number(stats.positions[0].assists) + crlf + crlf + heading;
    text +=
        pair_row({{body[0], d.assist_body[0]}, {area[0], d.assist_area[0]}, {assist[0], d.assist_action[0]}});
    text +=
        pair_row({{body[1], d.assist_body[1]}, {area[1], d.assist_area[1]}, {assist[1], d.assist_action[1]}});
    text +=
        pair_row({{body[2], d.assist_body[2]}, {area[2], d.assist_area[2]}, {assist[2], d.assist_action[2]}});
    text +=
        pair_row({{body[3], d.assist_body[3]}, {area[3], d.assist_area[3]}, {assist[3], d.assist_action[3]}});
    text += pair_row({{}, {area[4], d.assist_area[4]}, {assist[4], d.assist_action[4]}});
    text += pair_row({{}, {}, {assist[5], d.assist_action[5]}}) + crlf;
    return text;
}

}  // namespace kl
