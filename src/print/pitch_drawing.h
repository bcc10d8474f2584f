#pragma once

#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <vector>

class QPainter;

namespace kl {

// A pitch seen from above, attacking upwards, and where the positions of a line-up stand on it: the
// score sheet's formation sketch and the result picture's line-up.

// The markings of the pitch (touch lines, halfway line, centre circle, both boxes) in pitch.
void paint_pitch(QPainter& painter, const QRectF& pitch, const QPen& pen);

// One player's place: the index of its position in the list given, its centre, and the width its
// row leaves each player of that row.
struct PitchPlace {
    size_t index = 0;
    QPointF at;
    double room = 0;
};

// The places of positions (position codes; empty ones are left out). Each code stands on its line
// (forwards at the top, the goalkeeper at the bottom) with the wings at the ends of the line. With
// even_rows the lines in use share the pitch's height evenly, so that a picture has room for names;
// otherwise each line keeps its depth on a real pitch.
std::vector<PitchPlace> pitch_places(const std::vector<QString>& positions, const QRectF& pitch,
                                     bool even_rows);

}  // namespace kl
