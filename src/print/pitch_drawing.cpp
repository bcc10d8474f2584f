#include "pitch_drawing.h"

#include <QPainter>
#include <map>

namespace kl {
namespace {

// Where a position stands, attacking upwards: its line from the top (0-1) and whether it plays on a
// wing. The midfield stands far enough up that the names below its marks end short of the halfway
// line and the centre circle, and the defensive midfield's marks start below the line.
struct PitchSpot {
    double line;
    bool wide;
};

PitchSpot pitch_spot(const QString& code) {
    static const std::map<QString, PitchSpot> spots = {
        {QStringLiteral(u"CF"), {0.06, false}}, {QStringLiteral(u"WF"), {0.06, true}},
        {QStringLiteral(u"OH"), {0.20, false}}, {QStringLiteral(u"SH"), {0.33, true}},
        {QStringLiteral(u"CH"), {0.33, false}}, {QStringLiteral(u"DH"), {0.56, false}},
        {QStringLiteral(u"SB"), {0.73, true}},  {QStringLiteral(u"CB"), {0.73, false}},
        {QStringLiteral(u"SW"), {0.84, false}}, {QStringLiteral(u"GK"), {0.94, false}}};
    const auto spot = spots.find(code);
    return spot != spots.end() ? spot->second : PitchSpot{0.5, false};
}

}  // namespace

void paint_pitch(QPainter& painter, const QRectF& pitch, const QPen& pen) {
    painter.save();
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(pitch);
    const double w = pitch.width();
    const double h = pitch.height();
    painter.drawLine(QPointF(pitch.left(), pitch.center().y()), QPointF(pitch.right(), pitch.center().y()));
    const double circle = std::min(w, h) * 0.14;
    painter.drawEllipse(pitch.center(), circle, circle);
    for (const bool top : {true, false}) {
        const double box_h = h * 0.16;
        const double goal_h = h * 0.055;
        const double y_box = top ? pitch.top() : pitch.bottom() - box_h;
        const double y_goal = top ? pitch.top() : pitch.bottom() - goal_h;
        painter.drawRect(QRectF(pitch.left() + w * 0.2, y_box, w * 0.6, box_h));
        painter.drawRect(QRectF(pitch.left() + w * 0.37, y_goal, w * 0.26, goal_h));
    }
    painter.restore();
}

std::vector<PitchPlace> pitch_places(const std::vector<QString>& positions, const QRectF& pitch,
                                     bool even_rows) {
    std::map<double, std::pair<std::vector<size_t>, std::vector<size_t>>> lines;  // line: wide and central
    for (size_t i = 0; i < positions.size(); ++i) {
        if (positions[i].isEmpty()) {
            continue;
        }
        const PitchSpot spot = pitch_spot(positions[i]);
        auto& [wide, central] = lines[spot.line];
        (spot.wide ? wide : central).push_back(i);
    }
    std::vector<PitchPlace> places;
    int row = 0;
    for (const auto& [line, sides] : lines) {
        const std::vector<size_t>& wide = sides.first;
        const auto half = static_cast<std::ptrdiff_t>((wide.size() + 1) / 2);
        std::vector<size_t> order(wide.begin(), wide.begin() + half);
        order.insert(order.end(), sides.second.begin(), sides.second.end());
        order.insert(order.end(), wide.begin() + half, wide.end());
        const double depth = even_rows ? (row + 0.5) / static_cast<double>(lines.size()) : line;
        const double room = pitch.width() / static_cast<double>(order.size() + 1);
        for (size_t k = 0; k < order.size(); ++k) {
            places.push_back(
                {order[k],
                 {pitch.left() + room * static_cast<double>(k + 1), pitch.top() + pitch.height() * depth},
                 room});
        }
        ++row;
    }
    return places;
}

}  // namespace kl
