#include "game_sheet.h"

#include "game_analysis.h"
#include "store/vocabulary.h"

namespace kl {
namespace {

const QString crlf = QStringLiteral(u"\r\n");
constexpr int line_height = 200;  // twips the sheet grows by per added line

struct BoxDesign {
    int left;
    int top;
    int width;
    int height;
    const char16_t* empty_text;
};

constexpr std::array<BoxDesign, sheet_box_count> design = {{
    {120, 120, 7335, 440, u"日付など"},
    {120, 540, 1935, 1290, u"自チーム名"},
    {2040, 540, 495, 1035, u"得点"},
    {2520, 540, 495, 270, u""},
    {2520, 800, 495, 270, u""},
    {2520, 1050, 495, 270, u""},
    {2520, 1310, 495, 270, u""},
    {2040, 1560, 975, 270, u""},
    {5520, 540, 1935, 1290, u"敵チーム名"},
    {5040, 540, 495, 1035, u"失点"},
    {4560, 540, 495, 270, u""},
    {4560, 800, 495, 270, u""},
    {4560, 1050, 495, 270, u""},
    {4560, 1310, 495, 270, u""},
    {4560, 1560, 975, 270, u""},
    {3000, 540, 1575, 270, u"前半"},
    {3000, 800, 1575, 270, u"後半"},
    {3000, 1050, 1575, 270, u"延長前半"},
    {3000, 1310, 1575, 270, u"延長後半"},
    {3000, 1560, 1575, 270, u"PK"},
    {120, 1800, 7335, 910, u"得失点内容"},
    {120, 2700, 7335, 910, u"警告・退場"},
    {120, 3600, 4455, 2595, u"スターティングメンバー"},
    {4560, 3600, 2895, 2595, u"リザーブメンバー"},
    {120, 6180, 7335, 910, u"その他"},
}};

enum Box {
    header = 0,
    own_name = 1,
    own_total = 2,
    own_periods = 3,  // 3-6
    own_kicks = 7,
    opponent_name = 8,
    opponent_total = 9,
    opponent_periods = 10,  // 10-13
    opponent_kicks = 14,
    period_labels = 15,  // 15-19
    goals = 20,
    cards = 21,
    starters = 22,
    reserves = 23,
    others = 24,
};

QString number(int value) {
    return QString::number(value);
}

QString goal_line(const md::GameEvent& event, const QString& team_name) {
    const QString time = QStringLiteral(u"　　") + event.time();
    const bool marked = !event.mark().isEmpty();
    const bool assisted = !event.assister().isEmpty();
    QString line =
        time + (marked || assisted ? QStringLiteral(u" （分）　") : QStringLiteral(u" （分）")) +
        QStringLiteral(u"　[") + team_name +
        (marked ? QStringLiteral(u"] - [") + event.mark() + QStringLiteral(u"]　") : QStringLiteral(u"]　")) +
        event.scorer() + detail_group(event.finish());
    if (assisted) {
        line += QStringLiteral(u"　←　") + event.assister() + detail_group(event.assist());
    }
    return line + crlf;
}

QString conceded_line(const md::GameEvent& event, const QString& opponent) {
    const bool marked = !event.mark().isEmpty();
    const QString play_before = detail_group(event.play_before());
    return QStringLiteral(u"　　") + event.time() + QStringLiteral(u" （分）　　[") + opponent +
           (marked ? QStringLiteral(u"] - [") + event.mark() + QStringLiteral(u"]　")
                   : QStringLiteral(u"]　")) +
           detail_group(event.finish()) + QStringLiteral(u"　←　") +
           (marked ? play_before.mid(1) : play_before) + crlf;
}

QString event_heading(const md::GameEvent& event) {
    return QStringLiteral(u"　　") + event.time() + QStringLiteral(u" （分） [");
}

// The blanks before a number of minutes, keeping the columns of one- to three-digit numbers aligned.
QString minutes_prefix(int minutes) {
    if (minutes >= 100) {
        return QStringLiteral(u"　　");
    }
    return minutes >= 10 ? QStringLiteral(u"     ") : QStringLiteral(u"　　   ");
}

QString starting_members_text(const md::GameRecord& game, const GameAnalysis& analysis) {
    QString text = QStringLiteral(u"スターティングメンバー　[") + game.formation() + u']' + crlf + crlf;
    for (const StartingSlot& slot : analysis.starting_slots) {
        if (slot.holders.empty()) {
            const int length = analysis.game_length;
            text += (length < 100 ? QStringLiteral(u" 　　") : QStringLiteral(u"　　")) + number(length) +
                    QStringLiteral(u" （分）　　") + slot.position + QStringLiteral(u"　　　") + crlf;
            continue;
        }
        for (size_t i = 0; i < slot.holders.size(); ++i) {
            const SlotHolder& holder = slot.holders[i];
            text += minutes_prefix(holder.minutes) + number(holder.minutes) + QStringLiteral(u" （分）　　") +
                    (i == 0 ? slot.position + QStringLiteral(u"　　　") : QStringLiteral(u"　　　　　→　")) +
                    holder.name + crlf;
        }
    }
    return text;
}

QString reserves_text(const md::GameRecord& game) {
    QString text = QStringLiteral(u"リザーブメンバー") + crlf + crlf;
    for (int slot = 0; slot < md::record::reserve_slots; ++slot) {
        if (!game.reserve(slot).isEmpty()) {
            text += QStringLiteral(u"　　") + game.reserve(slot) + crlf;
        }
    }
    return text;
}

// Lines of the three event boxes, with the counts that make the boxes grow.
struct EventLines {
    QString goals;
    QString cards;
    QString others;
    int goal_lines = 0;
    int card_lines = 0;
    int other_lines = 0;
};

EventLines event_lines(const md::GameRecord& game, const QString& team_name) {
    EventLines lines;
    for (const md::GameEvent& event : game.events) {
        switch (event.kind) {
            case md::EventKind::Goal:
                lines.goals += goal_line(event, team_name);
                lines.goal_lines += event.assister().isEmpty() ? 1 : 2;
                break;
            case md::EventKind::Conceded:
                lines.goals += conceded_line(event, game.opponent());
                lines.goal_lines += 2;
                break;
            case md::EventKind::Card:
                lines.cards += event_heading(event) + event.card() + QStringLiteral(u"] ") +
                               event.carded_member() + crlf;
                ++lines.card_lines;
                break;
            case md::EventKind::PositionChange:
                lines.others += event_heading(event) + md::words::position_change + QStringLiteral(u"] ") +
                                event.new_position_1() + QStringLiteral(u" - ") + event.member_1() +
                                QStringLiteral(u" , ") + event.new_position_2() + QStringLiteral(u" - ") +
                                event.member_2() + crlf;
                ++lines.other_lines;
                break;
            case md::EventKind::FormationChange:
                lines.others += event_heading(event) + md::words::formation_change + QStringLiteral(u"] ") +
                                game.formation() + QStringLiteral(u" → ") + event.new_formation() + crlf;
                ++lines.other_lines;
                break;
            default:
                break;
        }
    }
    return lines;
}

void fill_score_table(GameSheet& sheet, const md::GameRecord& game, const GameAnalysis& analysis) {
    auto& boxes = sheet.boxes;
    boxes[own_total].text = crlf + crlf + number(analysis.own[0]);
    boxes[opponent_total].text = crlf + crlf + number(analysis.opponent[0]);
    for (int period = 1; period <= 4; ++period) {
        boxes[static_cast<size_t>(own_periods + period - 1)].text =
            number(analysis.own[static_cast<size_t>(period)]);
        boxes[static_cast<size_t>(opponent_periods + period - 1)].text =
            number(analysis.opponent[static_cast<size_t>(period)]);
    }
    const auto label = [&](int period) -> QString& {
        return boxes[static_cast<size_t>(period_labels + period)].text;
    };
    if (!game.has_extra_time()) {
        for (const int box : {own_periods + 2, own_periods + 3, opponent_periods + 2, opponent_periods + 3}) {
            boxes[static_cast<size_t>(box)].text.clear();
        }
        label(2).clear();
        label(3).clear();
    } else {
        label(2) = QStringLiteral(u"延長前半");
        label(3) = QStringLiteral(u"延長後半");
        if (analysis.ended_in_first_extra_half) {
            label(3).clear();
            boxes[own_periods + 3].text.clear();
            boxes[opponent_periods + 3].text.clear();
        }
    }
    if (game.has_shoot_out() && analysis.own[0] == analysis.opponent[0]) {
        label(4) = QStringLiteral(u"PK");
        boxes[own_kicks].text = number(analysis.own[5]);
        boxes[opponent_kicks].text = number(analysis.opponent[5]);
    } else {
        label(4).clear();
        boxes[own_kicks].text.clear();
        boxes[opponent_kicks].text.clear();
    }
}

// Makes box grow by d twips, moving the boxes below it and the frame down by as much.
void grow(GameSheet& sheet, int box, std::initializer_list<int> below, int d) {
    sheet.boxes[static_cast<size_t>(box)].height += d;
    for (const int moved : below) {
        sheet.boxes[static_cast<size_t>(moved)].top += d;
    }
    sheet.frame_height += d;
}

void grow_with_lines(GameSheet& sheet, const EventLines& lines, int substitutions) {
    if (lines.goal_lines >= 2) {
        grow(sheet, goals, {cards, starters, reserves, others}, (lines.goal_lines - 1) * line_height);
    }
    if (lines.card_lines >= 2) {
        grow(sheet, cards, {starters, reserves, others}, (lines.card_lines - 1) * line_height);
    }
    if (substitutions >= 1) {
        grow(sheet, starters, {others}, substitutions * line_height);
        sheet.boxes[reserves].height = sheet.boxes[starters].height;
    }
    if (lines.other_lines >= 2) {
        grow(sheet, others, {}, (lines.other_lines - 1) * line_height);
    }
}

}  // namespace

int GameSheet::content_height() const {
    int height = 150;
    for (const int box : {header, own_name, goals, cards, starters, others}) {
        height += boxes[static_cast<size_t>(box)].height;
    }
    return height;
}

const std::array<QString, sheet_box_count>& empty_sheet_texts() {
    static const std::array<QString, sheet_box_count> texts = [] {
        std::array<QString, sheet_box_count> result;
        for (size_t i = 0; i < result.size(); ++i) {
            result[i] = QString::fromUtf16(design[i].empty_text);
        }
        return result;
    }();
    return texts;
}

GameSheet empty_game_sheet() {
    GameSheet sheet;
    for (size_t i = 0; i < design.size(); ++i) {
        sheet.boxes[i] = {empty_sheet_texts()[i], design[i].left, design[i].top, design[i].width,
                          design[i].height};
    }
    return sheet;
}

SheetScore sheet_score(const GameSheet& sheet) {
    const auto text = [&](int box) { return sheet.boxes[static_cast<size_t>(box)].text.trimmed(); };
    SheetScore score{text(own_name), text(own_total), text(opponent_name), text(opponent_total), {}};
    for (int period = 0; period < 5; ++period) {
        const QString label = text(period_labels + period);
        if (!label.isEmpty()) {
            score.rows.push_back({text(period < 4 ? own_periods + period : own_kicks), label,
                                  text(period < 4 ? opponent_periods + period : opponent_kicks)});
        }
    }
    return score;
}

GameSheet compose_game_sheet(const md::GameRecord& game, const QString& team_name) {
    GameSheet sheet = empty_game_sheet();
    const GameAnalysis analysis = analyse_game(game);
    auto& boxes = sheet.boxes;
    boxes[header].text = game_header_line(game);
    boxes[own_name].text = crlf + crlf + team_name;
    boxes[opponent_name].text = crlf + crlf + game.opponent();
    const EventLines lines = event_lines(game, team_name);
    boxes[goals].text = QStringLiteral(u"得失点内容") + crlf + crlf + lines.goals;
    boxes[cards].text = QStringLiteral(u"警告・退場") + crlf + crlf + lines.cards;
    boxes[others].text = QStringLiteral(u"その他") + crlf + crlf + lines.others;
    fill_score_table(sheet, game, analysis);
    boxes[starters].text = starting_members_text(game, analysis);
    boxes[reserves].text = reserves_text(game);
    grow_with_lines(sheet, lines, analysis.substitutions);
    return sheet;
}

GameSheet with_line_below_header(GameSheet sheet, const QString& line) {
    auto& boxes = sheet.boxes;
    boxes[header].text += crlf + line;
    boxes[header].height += line_height;
    for (size_t box = 0; box < boxes.size(); ++box) {
        if (box != static_cast<size_t>(header)) {
            boxes[box].top += line_height;
        }
    }
    sheet.frame_height += line_height;
    return sheet;
}

}  // namespace kl
