#include "season_chart_svgs.h"

#include "chart_colours.h"
#include "print_document.h"
#include "reports/season_site.h"
#include "reports/season_texts.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>
#include <functional>

namespace kl {
namespace {

constexpr double chart_width = 440;
constexpr double text_size = 15;

const QColor rule_colour(0xc8, 0xd0, 0xca);
const QColor ink(0x1d, 0x2a, 0x22);

QFont chart_font(double pixels = text_size, bool bold = false) {
    QFont font = print_font(10, bold);
    font.setPixelSize(static_cast<int>(pixels));
    return font;
}

// An SVG of the chart's size, painted by paint.
QByteArray svg_of(double height, const QString& title, const std::function<void(QPainter&)>& paint) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(static_cast<int>(chart_width), static_cast<int>(height)));
    svg.setViewBox(QRectF(0, 0, chart_width, height));
    svg.setTitle(title);
    svg.setDescription(title);
    QPainter painter(&svg);
    painter.fillRect(QRectF(0, 0, chart_width, height), Qt::white);
    painter.setFont(chart_font());
    paint(painter);
    painter.end();
    return bytes;
}

void text(QPainter& painter, const QRectF& box, const QString& words, int flags, const QColor& colour = ink,
          double pixels = text_size, bool bold = false) {
    painter.setFont(chart_font(pixels, bold));
    painter.setPen(colour);
    painter.drawText(box, flags, words);
}

void legend(QPainter& painter, double top, const std::vector<std::pair<QString, QColor>>& entries) {
    double left = 12;
    for (const auto& [label, colour] : entries) {
        painter.fillRect(QRectF(left, top + 4, 14, 14), colour);
        const double label_width = QFontMetricsF(chart_font()).horizontalAdvance(label);
        text(painter, {left + 20, top, label_width + 4, 22}, label, Qt::AlignLeft | Qt::AlignVCenter);
        left += 20 + label_width + 24;
    }
}

// A bar per label, across, with stacked parts and the total after the bar.
struct Across {
    QStringList labels;
    std::vector<std::vector<double>> parts;  // per label, per series
    std::vector<QColor> colours;
    QStringList values;  // written after each bar
};

constexpr double across_row = 26;

double across_height(const Across& across, double top) {
    return top + std::max<double>(1, across.labels.size()) * across_row + 12;
}

void paint_across(QPainter& painter, const Across& across, double top) {
    const QFontMetricsF metrics(chart_font());
    double label_width = 40;
    for (const QString& label : across.labels) {
        label_width = std::max(label_width, metrics.horizontalAdvance(label));
    }
    label_width = std::min(label_width + 12, chart_width * 0.4);
    double longest = 1;
    for (const std::vector<double>& parts : across.parts) {
        double sum = 0;
        for (const double part : parts) {
            sum += part;
        }
        longest = std::max(longest, sum);
    }
    const double room = chart_width - label_width - 24 - 70;
    if (across.labels.isEmpty()) {
        text(painter, {12, top, chart_width - 24, across_row}, QStringLiteral(u"なし"),
             Qt::AlignLeft | Qt::AlignVCenter);
        return;
    }
    for (qsizetype i = 0; i < across.labels.size(); ++i) {
        const auto k = static_cast<size_t>(i);
        const double row_top = top + static_cast<double>(i) * across_row;
        text(painter, {12, row_top, label_width - 12, across_row}, across.labels[i],
             Qt::AlignRight | Qt::AlignVCenter);
        double left = 12 + label_width;
        for (size_t s = 0; s < across.parts[k].size(); ++s) {
            const double length = room * across.parts[k][s] / longest;
            painter.fillRect(QRectF(left, row_top + 5, length, across_row - 10), across.colours[s]);
            left += length;
        }
        text(painter, {left + 6, row_top, 80, across_row}, across.values.value(i),
             Qt::AlignLeft | Qt::AlignVCenter);
    }
}

QByteArray across_chart(const QString& title, const Across& across,
                        const std::vector<std::pair<QString, QColor>>& entries) {
    const double top = entries.empty() ? 12 : 40;
    return svg_of(across_height(across, top), title, [&](QPainter& painter) {
        if (!entries.empty()) {
            legend(painter, 10, entries);
        }
        paint_across(painter, across, top);
    });
}

QByteArray results_svg(const std::vector<GameBar>& games) {
    const double height = 300;
    return svg_of(height, site_charts()[0].title, [&](QPainter& painter) {
        legend(painter, 8,
               {{QStringLiteral(u"勝"), result_colour(GameResult::win, false)},
                {QStringLiteral(u"分"), result_colour(GameResult::draw, false)},
                {QStringLiteral(u"敗"), result_colour(GameResult::loss, false)},
                {QStringLiteral(u"失点（下）"), result_colour(GameResult::draw, true)}});
        int most = 1;
        for (const GameBar& game : games) {
            most = std::max({most, game.score.goals_for, game.score.conceded});
        }
        const QRectF plot(40, 44, chart_width - 52, height - 44 - 34);
        const double zero = plot.center().y();
        const double unit = plot.height() / 2 / most;
        painter.setPen(rule_colour);
        for (int goals = -most; goals <= most; ++goals) {
            painter.drawLine(QPointF(plot.left(), zero - goals * unit),
                             QPointF(plot.right(), zero - goals * unit));
        }
        for (const int goals : {most, 0, -most}) {
            text(painter, {0, zero - goals * unit - 10, 34, 20}, QString::number(std::abs(goals)),
                 Qt::AlignRight | Qt::AlignVCenter);
        }
        const double slot = plot.width() / std::max<double>(1, static_cast<double>(games.size()));
        const double bar = std::min(28.0, slot * 0.7);
        // Dates under the bars, as many as there is room for, labelled as the chart view labels them.
        const QStringList dates = trend_labels(results_trend(games, static_cast<int>(games.size())), games);
        const auto every = static_cast<size_t>(std::ceil((dates.value(0).size() > 5 ? 80 : 48) / slot));
        for (size_t i = 0; i < games.size(); ++i) {
            const GameBar& game = games[i];
            const double centre = plot.left() + slot * (static_cast<double>(i) + 0.5);
            painter.fillRect(QRectF(centre - bar / 2, zero - game.score.goals_for * unit, bar,
                                    game.score.goals_for * unit),
                             result_colour(game.score.result(), false));
            painter.fillRect(QRectF(centre - bar / 2, zero, bar, game.score.conceded * unit),
                             result_colour(game.score.result(), true));
            if (i % every == 0) {
                text(painter, {centre - 40, plot.bottom() + 6, 80, 22},
                     dates.value(static_cast<qsizetype>(i)), Qt::AlignCenter, ink, 12);
            }
        }
        painter.setPen(ink);
        painter.drawLine(QPointF(plot.left(), zero), QPointF(plot.right(), zero));
        if (games.empty()) {
            text(painter, plot, QStringLiteral(u"試合なし"), Qt::AlignCenter);
        }
    });
}

QByteArray scorers_svg(const std::vector<SquadLine>& squad) {
    Across across;
    across.colours = {goals_for_colour, assist_colour};
    for (const SquadLine& member : scorers_order(squad)) {
        across.labels.append(member.name);
        across.parts.push_back({static_cast<double>(member.goals), static_cast<double>(member.assists)});
        across.values.append(QString::number(member.goals) + u'/' + QString::number(member.assists));
    }
    return across_chart(
        site_charts()[1].title, across,
        {{QStringLiteral(u"得点"), goals_for_colour}, {QStringLiteral(u"アシスト"), assist_colour}});
}

QByteArray minutes_svg(const std::vector<SquadLine>& squad, double possible) {
    Across across;
    across.colours = {minutes_colour};
    for (const SquadLine& member : minutes_order(squad)) {
        const double share = minutes_share(member.minutes, possible);
        across.labels.append(member.name);
        across.parts.push_back({share});
        across.values.append(percent_text(share));
    }
    return across_chart(site_charts()[2].title, across, {});
}

QByteArray time_bands_svg(const TimeBands& bands) {
    const double height = 280;
    return svg_of(height, site_charts()[3].title, [&](QPainter& painter) {
        legend(
            painter, 8,
            {{QStringLiteral(u"得点"), goals_for_colour}, {QStringLiteral(u"失点"), goals_against_colour}});
        int most = 1;
        for (size_t i = 0; i < bands.goals_for.size(); ++i) {
            most = std::max({most, bands.goals_for[i], bands.conceded[i]});
        }
        const QRectF plot(40, 44, chart_width - 52, height - 44 - 34);
        const double unit = plot.height() / most;
        painter.setPen(rule_colour);
        for (int goals = 0; goals <= most; ++goals) {
            painter.drawLine(QPointF(plot.left(), plot.bottom() - goals * unit),
                             QPointF(plot.right(), plot.bottom() - goals * unit));
        }
        text(painter, {0, plot.top() - 10, 34, 20}, QString::number(most), Qt::AlignRight | Qt::AlignVCenter);
        const double slot = plot.width() / std::max<double>(1, static_cast<double>(bands.labels.size()));
        const double bar = std::min(30.0, slot * 0.35);
        for (qsizetype i = 0; i < bands.labels.size(); ++i) {
            const auto k = static_cast<size_t>(i);
            const double centre = plot.left() + slot * (static_cast<double>(i) + 0.5);
            painter.fillRect(QRectF(centre - bar, plot.bottom() - bands.goals_for[k] * unit, bar,
                                    bands.goals_for[k] * unit),
                             goals_for_colour);
            painter.fillRect(
                QRectF(centre, plot.bottom() - bands.conceded[k] * unit, bar, bands.conceded[k] * unit),
                goals_against_colour);
            text(painter, {centre - slot / 2, plot.bottom() + 6, slot, 22}, bands.labels[i], Qt::AlignCenter,
                 ink, 12);
        }
    });
}

Across counted_across(const LabelledCounts& counted) {
    Across across;
    across.colours = {goals_for_colour};
    for (qsizetype i = 0; i < counted.labels.size(); ++i) {
        const int count = counted.counts[static_cast<size_t>(i)];
        across.labels.append(counted.labels[i]);
        across.parts.push_back({static_cast<double>(count)});
        across.values.append(QString::number(count));
    }
    return across;
}

QByteArray goal_shapes_svg(const GoalShapes& shapes) {
    const std::array<std::pair<QString, Across>, 3> parts = {
        {{QStringLiteral(u"部位"), counted_across(shapes.body)},
         {QStringLiteral(u"エリア"), counted_across(shapes.area)},
         {QStringLiteral(u"アクション"), counted_across(shapes.action)}}};
    double height = 8;
    for (const auto& [title, across] : parts) {
        height = across_height(across, height + 30);
    }
    return svg_of(height, site_charts()[4].title, [&](QPainter& painter) {
        double top = 8;
        for (const auto& [title, across] : parts) {
            text(painter, {12, top, chart_width - 24, 26}, title, Qt::AlignLeft | Qt::AlignVCenter, ink, 15,
                 true);
            paint_across(painter, across, top + 30);
            top = across_height(across, top + 30);
        }
    });
}

}  // namespace

QByteArray season_chart_svg(int chart, const SeasonCharts& charts) {
    switch (chart) {
        case 0:
            return results_svg(charts.games);
        case 1:
            return scorers_svg(charts.squad);
        case 2:
            return minutes_svg(charts.squad, charts.totals.minutes);
        case 3:
            return time_bands_svg(charts.bands);
        default:
            break;
    }
    return goal_shapes_svg(charts.shapes);
}

}  // namespace kl
