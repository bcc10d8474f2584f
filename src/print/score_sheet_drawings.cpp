#include "score_sheet_drawings.h"

#include "pitch_drawing.h"

#include "store/vocabulary.h"

#include <QPainter>
#include <map>
#include <tuple>

namespace kl {
namespace {

const QColor label_fill(0xee, 0xee, 0xee);
const QColor caption_colour(0x70, 0x70, 0x70);
const QColor pitch_line(0x30, 0x70, 0x40);

constexpr double minimum_points = 4.5;

// Paints in millimetres of a design of a fixed width, scaled to the area it is given.
class MillimetrePainter {
  public:
    MillimetrePainter(QPainter& painter, const QRectF& area, double design_width, const PageStyle& style)
        : painter_(painter), origin_(area.topLeft()), unit_(area.width() / design_width), style_(style) {
        painter_.setPen(QPen(Qt::black, unit_ * 0.25));
    }

    QRectF rect(double x, double y, double width, double height) const {
        return {origin_.x() + x * unit_, origin_.y() + y * unit_, width * unit_, height * unit_};
    }
    QPointF point(double x, double y) const { return {origin_.x() + x * unit_, origin_.y() + y * unit_}; }

    // Text in a box: points scale with the design, so a scaled-down drawing keeps its proportions.
    void text(const QRectF& box, const QString& text, double points, int flags, bool bold = false,
              const QColor& colour = Qt::black) {
        const QPen pen = painter_.pen();
        painter_.setPen(colour);
        painter_.setFont(font(points, bold));
        style_.text(painter_, box, flags, text);
        painter_.setPen(pen);
    }
    void cell(double x, double y, double width, double height, const QString& content, double points = 9,
              int flags = Qt::AlignCenter, bool bold = false) {
        const QRectF box = rect(x, y, width, height);
        painter_.drawRect(box);
        const QRectF inside = box.adjusted(unit_, 0, -unit_, 0);
        text(inside, content, fitting_points(inside, content, points, bold), flags | Qt::TextWordWrap, bold);
    }
    // The largest size up to points at which text fits in box, wrapped; a long note gets smaller
    // rather than run over its neighbours.
    double fitting_points(const QRectF& box, const QString& text, double points, bool bold) const {
        for (; points > minimum_points; points -= 0.5) {
            const QRectF needed =
                style_.metrics(font(points, bold)).boundingRect(box, Qt::TextWordWrap, text);
            if (needed.height() <= box.height() + unit_ * 0.5 && needed.width() <= box.width()) {
                break;
            }
        }
        return points;
    }
    void label_cell(double x, double y, double width, double height, const QString& content,
                    double points = 8) {
        painter_.fillRect(rect(x, y, width, height), label_fill);
        cell(x, y, width, height, content, points, Qt::AlignCenter, true);
    }
    // A grid of equal rows under a row of column labels.
    void grid(double x, double y, const std::vector<std::pair<QString, double>>& columns,
              double header_height, double row_height, const std::vector<QStringList>& rows,
              double points = 9) {
        double left = x;
        for (const auto& [label, width] : columns) {
            label_cell(left, y, width, header_height, label);
            left += width;
        }
        for (size_t r = 0; r < rows.size(); ++r) {
            left = x;
            for (size_t c = 0; c < columns.size(); ++c) {
                const double top = y + header_height + static_cast<double>(r) * row_height;
                const int align = c == 0 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter;
                cell(left, top, columns[c].second, row_height, rows[r].value(static_cast<qsizetype>(c)),
                     points, align);
                left += columns[c].second;
            }
        }
    }
    QPainter& painter() { return painter_; }
    double unit() const { return unit_; }
    const PageStyle& style() const { return style_; }
    QFont font(double points, bool bold = false) const {
        return style_.font(points * unit_ / style_.mm(1), bold);
    }

  private:
    QPainter& painter_;
    QPointF origin_;
    double unit_;
    const PageStyle& style_;
};

// --- the score table of the detail sheet ---

constexpr double score_width = 180;
constexpr double score_row = 7;

void paint_score_table(QPainter& painter, const QRectF& area, const PageStyle& style,
                       const SheetScore& score) {
    MillimetrePainter mm(painter, area, score_width, style);
    const double rows = std::max<double>(2, static_cast<double>(score.rows.size()));
    const double height = rows * score_row;
    // Names and totals stand level with the first period, so that the table reads as its copy text
    // does: "さくらFC 3 1 前半 0 1 青葉FC", then a line per further period.
    const std::array<std::tuple<double, double, QString, double>, 4> sides = {
        {{0, 46, score.own_name, 11},
         {46, 18, score.own_total, 16},
         {116, 18, score.opponent_total, 16},
         {134, 46, score.opponent_name, 11}}};
    for (const auto& [left, width, text, points] : sides) {
        mm.cell(left, 0, width, height, {});
        mm.text(mm.rect(left + 1, 0, width - 2, score_row), text, points, Qt::AlignCenter, true);
    }
    for (size_t i = 0; i < score.rows.size(); ++i) {
        const double top = static_cast<double>(i) * score_row;
        mm.cell(64, top, 14, score_row, score.rows[i].own, 10);
        mm.label_cell(78, top, 24, score_row, score.rows[i].label, 9);
        mm.cell(102, top, 14, score_row, score.rows[i].opponent, 10);
    }
}

// --- the form ---

constexpr double form_width = 180;
constexpr double form_height = 270;

void paint_form_heading(MillimetrePainter& mm, const ScoreSheetForm& form) {
    mm.text(mm.rect(0, 0, 80, 10), QStringLiteral(u"スコアシート"), 16, Qt::AlignLeft | Qt::AlignVCenter,
            true);
    mm.label_cell(96, 1, 22, 8, QStringLiteral(u"チーム名"));
    mm.cell(118, 1, 62, 8, form.team_name, 11, Qt::AlignCenter, true);
    const std::array<std::pair<QString, QString>, 6> fields = {
        {{QStringLiteral(u"日付"), form.date},
         {QStringLiteral(u"開始時間"), form.start_time},
         {QStringLiteral(u"場所"), form.ground},
         {QStringLiteral(u"対戦相手"), form.opponent},
         {QStringLiteral(u"大会名"), form.meeting},
         {QStringLiteral(u"起票者"), form.recorder}}};
    for (size_t i = 0; i < fields.size(); ++i) {
        const double x = static_cast<double>(i % 3) * 60;
        const double y = 13 + static_cast<double>(i / 3) * 8;
        mm.label_cell(x, y, 18, 8, fields[i].first);
        mm.cell(x + 18, y, 42, 8, fields[i].second, 9);
    }
}

void paint_form_score(MillimetrePainter& mm, const ScoreSheetForm& form) {
    const double top = 33;
    mm.label_cell(0, top, 48, 8, QStringLiteral(u"得点"));
    for (size_t c = 0; c < score_columns().size(); ++c) {
        mm.label_cell(48 + static_cast<double>(c) * 22, top, 22, 8, score_columns()[c]);
    }
    const std::array<std::pair<QString, QString>, 2> sides = {
        {{QStringLiteral(u"自チーム"), form.team_name}, {QStringLiteral(u"相手チーム"), form.opponent}}};
    for (size_t side = 0; side < sides.size(); ++side) {
        const double y = top + 8 + static_cast<double>(side) * 8;
        mm.cell(0, y, 48, 8, sides[side].second, 10, Qt::AlignCenter, true);
        mm.text(mm.rect(1, y, 20, 3.2), sides[side].first, 5.5, Qt::AlignLeft | Qt::AlignTop, false,
                caption_colour);
        const auto& goals = side == 0 ? form.own_goals : form.opponent_goals;
        for (size_t c = 0; c < goals.size(); ++c) {
            mm.cell(48 + static_cast<double>(c) * 22, y, 22, 8, goals[c], 11, Qt::AlignCenter,
                    c + 1 == goals.size());
        }
    }
}

// A member table under its title: No, ポジション, 選手名 and 出場時間, numbered from first_number.
template <size_t count>
void paint_member_table(MillimetrePainter& mm, double left, double top, const QString& title,
                        const std::array<ScoreSheetForm::Member, count>& members, int first_number,
                        double name_width, double minutes_width) {
    std::vector<QStringList> rows;
    for (size_t i = 0; i < members.size(); ++i) {
        const ScoreSheetForm::Member& member = members[i];
        rows.push_back({QString::number(first_number + static_cast<int>(i)), member.position, member.name,
                        member.minutes});
    }
    mm.text(mm.rect(left, top, 8 + 17 + name_width + minutes_width, 5), title, 9,
            Qt::AlignLeft | Qt::AlignVCenter, true);
    mm.grid(left, top + 5.5,
            {{QStringLiteral(u"No"), 8},
             {QStringLiteral(u"ポジション"), 17},
             {QStringLiteral(u"選手名"), name_width},
             {QStringLiteral(u"出場時間"), minutes_width}},
            6, 5.6, rows);
}

void paint_form_members(MillimetrePainter& mm, const ScoreSheetForm& form) {
    const double top = 60;
    paint_member_table(mm, 0, top, QStringLiteral(u"スターティングメンバー"), form.starters, 1, 55, 20);
    paint_member_table(mm, 104, top, QStringLiteral(u"リザーブメンバー"), form.reserves,
                       static_cast<int>(form.starters.size()) + 1, 35, 16);
}

void paint_form_timeline(MillimetrePainter& mm, const ScoreSheetForm& form) {
    const double top = 140;
    const double row = 5.9;
    const size_t rows = 20;
    std::vector<QStringList> lines(rows);
    for (size_t i = 0; i < form.timeline.size() && i < rows; ++i) {
        const ScoreSheetForm::Entry& entry = form.timeline[i];
        lines[i] = {entry.minute, entry.kind, entry.player, entry.partner, entry.note};
    }
    mm.text(
        mm.rect(0, top, 130, 5),
        QStringLiteral(u"経過（得点・アシスト、失点、警告・退場、交代、ポジション・フォーメーション変更）"),
        8, Qt::AlignLeft | Qt::AlignVCenter, true);
    mm.grid(0, top + 5.5,
            {{QStringLiteral(u"分"), 9},
             {QStringLiteral(u"内容"), 20},
             {QStringLiteral(u"選手（得点・IN）"), 26},
             {QStringLiteral(u"アシスト・OUT"), 26},
             {QStringLiteral(u"メモ（部位・エリア・プレー）"), 47}},
            6, row, lines, 7);
}

// The starting eleven on their positions of the sketch.
void paint_players(MillimetrePainter& mm, const QRectF& pitch, const ScoreSheetForm& form) {
    std::vector<QString> positions;
    for (const ScoreSheetForm::Member& starter : form.starters) {
        positions.push_back(starter.position);
    }
    QPainter& painter = mm.painter();
    for (const PitchPlace& place : pitch_places(positions, pitch, false)) {
        const ScoreSheetForm::Member& member = form.starters[place.index];
        const QPointF at = place.at;
        const double radius = mm.unit() * 2.6;
        painter.save();
        painter.setPen(QPen(Qt::black, mm.unit() * 0.25));
        painter.setBrush(Qt::white);
        painter.drawEllipse(at, radius, radius);
        painter.restore();
        mm.text(QRectF(at.x() - radius, at.y() - radius, 2 * radius, 2 * radius), member.position, 5,
                Qt::AlignCenter, true);
        // A name too long for its place is set smaller, and only then goes on two lines at its blank
        // (family name over given name).
        QString name = member.name;
        double points = 5.5;
        while (points > 4 && mm.style().metrics(mm.font(points)).horizontalAdvance(name) > place.room) {
            points -= 0.5;
        }
        if (mm.style().metrics(mm.font(points)).horizontalAdvance(name) > place.room) {
            name.replace(u' ', u'\n');
        }
        mm.text(QRectF(at.x() - place.room / 2, at.y() + radius, place.room, mm.unit() * 6), name, points,
                Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap);
    }
}

void paint_form_formation(MillimetrePainter& mm, const ScoreSheetForm& form) {
    const double left = 134;
    const double top = 140;
    mm.label_cell(left, top, 22, 6, QStringLiteral(u"フォーメーション"), 6.5);
    mm.cell(left + 22, top, 24, 6, form.formation, 9);
    const QRectF pitch = mm.rect(left + 3, top + 8, 40, 60);
    paint_pitch(mm.painter(), pitch, QPen(pitch_line, mm.unit() * 0.35));
    paint_players(mm, pitch, form);
}

void paint_form_shoot_out(MillimetrePainter& mm, const ScoreSheetForm& form) {
    const double left = 134;
    const double top = 212;
    mm.label_cell(left, top, 22, 6, QStringLiteral(u"PK戦"), 8);
    mm.cell(left + 22, top, 24, 6,
            form.kicks_first.isEmpty() ? QStringLiteral(u"先攻・後攻") : form.kicks_first,
            form.kicks_first.isEmpty() ? 6.5 : 9);
    const size_t rows = std::max<size_t>(7, form.rounds.size());
    std::vector<QStringList> lines;
    for (size_t i = 0; i < rows; ++i) {
        const ScoreSheetForm::Round round = i < form.rounds.size() ? form.rounds[i] : ScoreSheetForm::Round{};
        lines.push_back({QString::number(i + 1), round.kicker, round.own, round.opponent});
    }
    mm.grid(left, top + 7,
            {{QStringLiteral(u"回"), 6},
             {QStringLiteral(u"キッカー"), 24},
             {QStringLiteral(u"自"), 8},
             {QStringLiteral(u"相手"), 8}},
            6, std::min(5.8, 45.0 / static_cast<double>(rows)), lines, 7);
}

void paint_form(QPainter& painter, const QRectF& area, const PageStyle& style, const ScoreSheetForm& form) {
    MillimetrePainter mm(painter, area, form_width, style);
    paint_form_heading(mm, form);
    paint_form_score(mm, form);
    paint_form_members(mm, form);
    paint_form_timeline(mm, form);
    paint_form_formation(mm, form);
    paint_form_shoot_out(mm, form);
}

}  // namespace

DrawingBlock score_table_drawing(const SheetScore& score) {
    return {[rows = std::max<size_t>(2, score.rows.size())](double width, const PageStyle&) {
                return width / score_width * score_row * static_cast<double>(rows);
            },
            [score](QPainter& painter, const QRectF& area, const PageStyle& style) {
                paint_score_table(painter, area, style, score);
            }};
}

DrawingBlock score_sheet_form_drawing(const ScoreSheetForm& form) {
    return {[](double width, const PageStyle&) { return width / form_width * form_height; },
            [form](QPainter& painter, const QRectF& area, const PageStyle& style) {
                paint_form(painter, area, style, form);
            }};
}

}  // namespace kl
