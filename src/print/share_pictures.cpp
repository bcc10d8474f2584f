#include "share_pictures.h"

#include "chart_colours.h"
#include "pitch_drawing.h"
#include "print_document.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace kl {
namespace {

constexpr double margin = 48;
constexpr double width = share_picture_width;
constexpr double height = share_picture_height;
constexpr double smallest_text = 16;

const QColor band_colour(0x1f, 0x5f, 0x3a);
const QColor score_back(0xf1, 0xf6, 0xf2);
const QColor ink(0x1d, 0x2a, 0x22);
const QColor quiet_ink(0x5a, 0x66, 0x5e);
const QColor grass(0x2f, 0x7d, 0x4a);
const QColor came_on_colour(0xff, 0xe0, 0x8a);
const QColor caution_colour(0xf2, 0xc2, 0x1b);
const QColor sending_off_colour(0xd0, 0x30, 0x30);

QFont pixel_font(double pixels, bool bold) {
    QFont font = print_font(10, bold);
    font.setPixelSize(std::max(1, static_cast<int>(pixels)));
    return font;
}

// Paints text in box at the largest size up to pixels that fits it (wrapped where flags say so),
// and no smaller than the smallest size; what still does not fit is cut short with "…".
class PictureText {
  public:
    explicit PictureText(QPainter& painter) : painter_(painter) {}

    double fitting(const QRectF& box, const QString& text, double pixels, bool bold, int flags) const {
        for (; pixels > smallest_text; pixels -= 1) {
            const QRectF needed = QFontMetricsF(pixel_font(pixels, bold)).boundingRect(box, flags, text);
            if (needed.width() <= box.width() + 0.5 && needed.height() <= box.height() + 0.5) {
                break;
            }
        }
        return pixels;
    }

    // Returns the width the text took.
    double draw(const QRectF& box, const QString& text, double pixels, const QColor& colour,
                bool bold = false, int flags = Qt::AlignLeft | Qt::AlignVCenter) {
        const double size = fitting(box, text, pixels, bold, flags);
        const QFont font = pixel_font(size, bold);
        const QFontMetricsF metrics(font);
        QString shown = text;
        if (!(flags & Qt::TextWordWrap) && metrics.horizontalAdvance(text) > box.width()) {
            shown = metrics.elidedText(text, Qt::ElideRight, box.width());
        }
        painter_.setFont(font);
        painter_.setPen(colour);
        painter_.drawText(box, flags, shown);
        return std::min(box.width(), metrics.horizontalAdvance(shown));
    }

  private:
    QPainter& painter_;
};

QImage blank_picture() {
    QImage image(share_picture_width, share_picture_height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void paint_badge(QPainter& painter, PictureText& text, const QRectF& box, const QString& words,
                 const QColor& fill) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(box, box.height() / 4, box.height() / 4);
    painter.restore();
    text.draw(box, words, box.height() * 0.62, Qt::white, true, Qt::AlignCenter);
}

// --- the result picture ---

constexpr double header_bottom = 150;
constexpr double score_bottom = 500;
constexpr double events_top = 522;
constexpr double event_row = 62;

void paint_result_header(QPainter& painter, PictureText& text, const ResultPicture& picture) {
    painter.fillRect(QRectF(0, 0, width, header_bottom), band_colour);
    text.draw({margin, 20, width - 2 * margin, 60}, picture.meeting, 46, Qt::white, true, Qt::AlignCenter);
    text.draw({margin, 86, width - 2 * margin, 46},
              picture.date_line + QStringLiteral(u"　") + picture.ground, 32, Qt::white, false,
              Qt::AlignCenter);
}

void paint_score(QPainter& painter, PictureText& text, const ResultPicture& picture) {
    painter.fillRect(QRectF(0, header_bottom, width, score_bottom - header_bottom), score_back);
    const double side = 320;
    const int names = Qt::AlignCenter | Qt::TextWordWrap;
    text.draw({margin, 176, side, 160}, picture.team_name, 50, ink, true, names);
    text.draw({width - margin - side, 176, side, 160}, picture.opponent, 50, ink, true, names);
    const QRectF score(margin + side, 170, width - 2 * (margin + side), 170);
    text.draw(score, picture.own_total + QStringLiteral(u" - ") + picture.opponent_total, 150, ink, true,
              Qt::AlignCenter);
    double below = 340;
    if (!picture.shoot_out.isEmpty()) {
        text.draw({margin + side - 40, below, score.width() + 80, 48}, picture.shoot_out, 40, ink, true,
                  Qt::AlignCenter);
        below += 50;
    }
    paint_badge(painter, text, {width / 2 - 120, below + 4, 240, 60}, picture.result,
                result_colour(picture.outcome));
    text.draw({margin, 456, width - 2 * margin, 40}, picture.periods, 30, quiet_ink, false, Qt::AlignCenter);
}

void paint_event_mark(QPainter& painter, const QRectF& box, ResultPicture::Event::Kind kind) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double size = box.height() * 0.5;
    const QPointF centre = box.center();
    switch (kind) {
        case ResultPicture::Event::Kind::caution:
        case ResultPicture::Event::Kind::sending_off:
            painter.setPen(Qt::NoPen);
            painter.setBrush(kind == ResultPicture::Event::Kind::caution ? caution_colour
                                                                         : sending_off_colour);
            painter.drawRoundedRect(
                QRectF(centre.x() - size * 0.36, centre.y() - size * 0.5, size * 0.72, size), 3, 3);
            break;
        default:
            // A ball: a white disc with a dark rim and a dark patch.
            painter.setPen(QPen(ink, std::max(1.5, size * 0.08)));
            painter.setBrush(Qt::white);
            painter.drawEllipse(centre, size / 2, size / 2);
            painter.setPen(Qt::NoPen);
            painter.setBrush(ink);
            painter.drawEllipse(centre, size / 5, size / 5);
            break;
    }
    painter.restore();
}

void paint_event_rows(QPainter& painter, PictureText& text, const std::vector<ResultPicture::Event>& events,
                      const QRectF& column, double row, bool right_side) {
    const double scale = row / event_row;
    for (size_t i = 0; i < events.size(); ++i) {
        const ResultPicture::Event& event = events[i];
        const double top = column.top() + row * static_cast<double>(i);
        const double minute_width = 104 * scale;
        const double mark_width = 44 * scale;
        if (right_side) {
            // The opponent's goals, read from the right edge: mark, minute, and the kind of goal.
            const QRectF mark(column.right() - mark_width, top, mark_width, row);
            paint_event_mark(painter, mark, event.kind);
            const QRectF minute(mark.left() - minute_width, top, minute_width, row);
            text.draw(minute, event.minute, 34 * scale, ink, true, Qt::AlignRight | Qt::AlignVCenter);
            text.draw({column.left(), top, minute.left() - column.left() - 10, row}, event.detail, 26 * scale,
                      quiet_ink, false, Qt::AlignRight | Qt::AlignVCenter);
            continue;
        }
        text.draw({column.left(), top, minute_width, row}, event.minute, 34 * scale, ink, true);
        paint_event_mark(painter, {column.left() + minute_width, top, mark_width, row}, event.kind);
        const double name_left = column.left() + minute_width + mark_width + 8;
        const double name_width =
            text.draw({name_left, top, column.right() - name_left, row}, event.name, 36 * scale, ink, true);
        const double detail_left = name_left + name_width + 10;
        if (!event.detail.isEmpty() && detail_left < column.right() - 40) {
            text.draw({detail_left, top, column.right() - detail_left, row}, event.detail, 25 * scale,
                      quiet_ink);
        }
    }
}

constexpr double player_height = 100;  // the marker and the name, at full size
constexpr double came_on_height = 28;  // each line of who came on

// A player drawn from the top of its row down: the marker with the position, the name, and who came
// on in the slot.
void paint_player(QPainter& painter, PictureText& text, const ResultPicture::Player& player,
                  const PitchPlace& place, double top, double scale) {
    const double radius = 25 * scale;
    const QPointF at(place.at.x(), top + radius + 6 * scale);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(band_colour, 2));
    painter.setBrush(Qt::white);
    painter.drawEllipse(at, radius, radius);
    painter.restore();
    text.draw({at.x() - radius, at.y() - radius, 2 * radius, 2 * radius}, player.position, 20 * scale,
              band_colour, true, Qt::AlignCenter);
    const double room = place.room - 8;
    double line_top = at.y() + radius + 2;
    text.draw({at.x() - room / 2, line_top, room, 38 * scale}, player.name, 33 * scale, Qt::white, true,
              Qt::AlignCenter);
    line_top += 38 * scale;
    for (const QString& line : player.came_on) {
        text.draw({at.x() - room / 2, line_top, room, came_on_height * scale}, line, 25 * scale,
                  came_on_colour, true, Qt::AlignCenter);
        line_top += came_on_height * scale;
    }
}

void paint_line_up(QPainter& painter, PictureText& text, const ResultPicture& picture, const QRectF& band) {
    text.draw({margin, band.top(), width - 2 * margin, 44},
              QStringLiteral(u"スターティングメンバー　") + picture.formation, 32, ink, true);
    const QRectF pitch(margin, band.top() + 50, width - 2 * margin, band.height() - 50);
    painter.fillRect(pitch, grass);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    paint_pitch(painter, pitch.adjusted(10, 10, -10, -10), QPen(QColor(255, 255, 255, 110), 3));
    painter.restore();
    std::vector<QString> positions;
    for (const ResultPicture::Player& player : picture.players) {
        positions.push_back(player.position);
    }
    // The lines of players from the top, each as tall as its players need: a line whose slots saw
    // substitutions takes more room.
    std::vector<std::vector<PitchPlace>> rows;
    for (const PitchPlace& place : pitch_places(positions, pitch, true)) {
        if (rows.empty() || rows.back().front().at.y() != place.at.y()) {
            rows.emplace_back();
        }
        rows.back().push_back(place);
    }
    std::vector<double> needs;
    double total = 0;
    for (const std::vector<PitchPlace>& row : rows) {
        qsizetype lines = 0;
        for (const PitchPlace& place : row) {
            lines = std::max(lines, picture.players[place.index].came_on.size());
        }
        needs.push_back(player_height + came_on_height * static_cast<double>(lines));
        total += needs.back();
    }
    const double scale = std::min(1.0, pitch.height() / std::max(1.0, total));
    double top = pitch.top() + (pitch.height() - total * scale) / 2;
    for (size_t r = 0; r < rows.size(); ++r) {
        for (const PitchPlace& place : rows[r]) {
            paint_player(painter, text, picture.players[place.index], place, top, scale);
        }
        top += needs[r] * scale;
    }
}

// --- the member card ---

void paint_card_header(QPainter& painter, PictureText& text, const MemberCard& card) {
    painter.fillRect(QRectF(0, 0, width, 170), band_colour);
    text.draw({margin, 22, width - 2 * margin, 60}, card.team_name, 44, Qt::white, true, Qt::AlignCenter);
    text.draw({margin, 94, width - 2 * margin, 52}, card.title, 36, Qt::white, false, Qt::AlignCenter);
}

void paint_figures(QPainter& painter, PictureText& text, const std::vector<MemberCard::Figure>& figures,
                   double top) {
    const double gap = 20;
    const double tile_width = (width - 2 * margin - 2 * gap) / 3;
    const double tile_height = 130;
    for (size_t i = 0; i < figures.size(); ++i) {
        const double left = margin + static_cast<double>(i % 3) * (tile_width + gap);
        const double tile_top = top + static_cast<double>(i / 3) * (tile_height + gap);
        painter.fillRect(QRectF(left, tile_top, tile_width, tile_height), score_back);
        text.draw({left + 16, tile_top + 10, tile_width - 32, 40}, figures[i].label, 30, quiet_ink);
        const QString value =
            figures[i].value + (figures[i].unit.isEmpty() ? QString() : u' ' + figures[i].unit);
        text.draw({left + 16, tile_top + 46, tile_width - 32, 80}, value, 64, ink, true,
                  Qt::AlignRight | Qt::AlignVCenter);
    }
}

double paint_positions(QPainter& painter, PictureText& text,
                       const std::vector<MemberCard::Position>& positions, double top) {
    text.draw({margin, top, width - 2 * margin, 48}, QStringLiteral(u"ポジション別の出場時間"), 34, ink,
              true);
    top += 56;
    if (positions.empty()) {
        text.draw({margin, top, width - 2 * margin, 44}, QStringLiteral(u"出場なし"), 30, quiet_ink);
        return top + 52;
    }
    const int longest = positions.front().minutes;
    const size_t shown = std::min<size_t>(positions.size(), 4);
    for (size_t i = 0; i < shown; ++i) {
        const double row_top = top + static_cast<double>(i) * 52;
        text.draw({margin, row_top, 90, 44}, positions[i].position, 32, ink, true);
        const double bar_room = width - 2 * margin - 90 - 170;
        const double bar = bar_room * positions[i].minutes / std::max(1, longest);
        painter.fillRect(QRectF(margin + 90, row_top + 8, std::max(4.0, bar), 30), minutes_colour);
        text.draw({margin + 90 + bar + 12, row_top, 170, 44},
                  QString::number(positions[i].minutes) + QStringLiteral(u"分"), 30, ink);
    }
    return top + static_cast<double>(shown) * 52 + 8;
}

double paint_moments(PictureText& text, const QStringList& moments, double top) {
    if (moments.isEmpty()) {
        return top;
    }
    text.draw({margin, top, width - 2 * margin, 48}, QStringLiteral(u"この試合の記録"), 34, ink, true);
    top += 56;
    for (const QString& moment : moments.mid(0, 6)) {
        text.draw({margin + 16, top, width - 2 * margin - 16, 46}, moment, 32, ink);
        top += 50;
    }
    return top + 12;
}

void paint_card_games(QPainter& painter, PictureText& text, const MemberCard& card, double top) {
    text.draw({margin, top, width - 2 * margin, 48}, QStringLiteral(u"チームの成績　") + card.team_record, 34,
              ink, true);
    top += 58;
    const double bottom = height - margin;
    constexpr double row_most = 56;
    constexpr double row_least = 46;
    const auto fitting_rows = static_cast<size_t>((bottom - top) / row_least);
    std::vector<MemberCard::Game> games = card.games;
    QString note;
    if (games.size() > fitting_rows) {
        const size_t kept = fitting_rows - 1;
        note = QStringLiteral(u"直近") + QString::number(kept) + QStringLiteral(u"試合（全") +
               QString::number(games.size()) + QStringLiteral(u"試合）");
        games.erase(games.begin(), games.end() - static_cast<std::ptrdiff_t>(kept));
    }
    const double row = std::min(row_most, (bottom - top) / static_cast<double>(std::max<size_t>(
                                                               1, games.size() + (note.isEmpty() ? 0 : 1))));
    const double scale = row / row_most;
    for (size_t i = 0; i < games.size(); ++i) {
        const MemberCard::Game& game = games[i];
        if (i % 2 == 0) {
            painter.fillRect(QRectF(margin, top, width - 2 * margin, row), score_back);
        }
        text.draw({margin + 8, top, 170 * scale + 20, row}, game.date.mid(5), 28 * scale, quiet_ink);
        text.draw({margin + 120, top, 330, row}, game.opponent, 30 * scale, ink, true);
        text.draw({margin + 460, top, 200, row}, game.score, 30 * scale, ink, true, Qt::AlignCenter);
        GameResult result = GameResult::draw;
        if (game.result == QStringLiteral(u"勝")) {
            result = GameResult::win;
        } else if (game.result == QStringLiteral(u"敗")) {
            result = GameResult::loss;
        }
        paint_badge(painter, text, {margin + 670, top + row * 0.15, row * 0.9, row * 0.7}, game.result,
                    result_colour(result));
        text.draw({margin + 680 + row, top, width - 2 * margin - 690 - row, row}, game.part, 27 * scale, ink,
                  false, Qt::AlignRight | Qt::AlignVCenter);
        top += row;
    }
    if (!note.isEmpty()) {
        text.draw({margin, top, width - 2 * margin, row}, note, 26, quiet_ink, false,
                  Qt::AlignRight | Qt::AlignVCenter);
    }
}

}  // namespace

QImage result_picture_image(const ResultPicture& picture) {
    QImage image = blank_picture();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PictureText text(painter);
    paint_result_header(painter, text, picture);
    paint_score(painter, text, picture);
    // The goals and cards take the rows they need; the line-up keeps at least the room for four
    // lines of players.
    const size_t rows = std::max(picture.own_events.size(), picture.opponent_events.size());
    constexpr double line_up_least = 470;
    constexpr double line_up_most = 640;
    const double line_up =
        std::clamp(height - margin - events_top - static_cast<double>(rows) * event_row - 16, line_up_least,
                   line_up_most);
    const double events_bottom = height - margin - line_up - 16;
    const double row =
        rows == 0 ? event_row : std::min(event_row, (events_bottom - events_top) / static_cast<double>(rows));
    const double half = (width - 2 * margin - 24) / 2;
    paint_event_rows(painter, text, picture.own_events,
                     {margin, events_top, half, events_bottom - events_top}, row, false);
    paint_event_rows(painter, text, picture.opponent_events,
                     {width - margin - half, events_top, half, events_bottom - events_top}, row, true);
    paint_line_up(painter, text, picture, {0, height - margin - line_up, width, line_up});
    return image;
}

QImage member_card_image(const MemberCard& card) {
    QImage image = blank_picture();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PictureText text(painter);
    paint_card_header(painter, text, card);
    text.draw({margin, 196, width - 2 * margin, 110}, card.member, 76, ink, true, Qt::AlignCenter);
    text.draw({margin, 306, width - 2 * margin, 50}, card.scope, 30, quiet_ink, false, Qt::AlignCenter);
    paint_figures(painter, text, card.figures, 380);
    const double figure_rows = card.figures.size() > 3 ? 2 : 1;
    double below = paint_positions(painter, text, card.positions, 380 + figure_rows * 150 + 16);
    below = paint_moments(text, card.moments, below + 12);
    paint_card_games(painter, text, card, below + 12);
    return image;
}

QByteArray png_bytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

md::WriteResult write_png(const QImage& image, const QString& path) {
    return md::write_whole_file(path, png_bytes(image));
}

}  // namespace kl
