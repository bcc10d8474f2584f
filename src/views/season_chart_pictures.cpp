#include "season_chart_pictures.h"

#include "print/chart_colours.h"
#include "reports/season_texts.h"
#include "store/numbers.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QCursor>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHorizontalBarSeries>
#include <QHorizontalStackedBarSeries>
#include <QLegendMarker>
#include <QLineSeries>
#include <QStackedBarSeries>
#include <QToolTip>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

namespace kl {
namespace {

const QColor points_colour(0x1f, 0x3a, 0x5f);

void set_up_chart(QChart* chart, const QString& title) {
    chart->setTitle(title);
    QFont font = chart->titleFont();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.15);
    chart->setTitleFont(font);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->legend()->setAlignment(Qt::AlignBottom);
}

// How many ticks a count up to most needs with this step: a step of room beyond it, so that no bar
// ends at the frame.
int ticks_needed(int most, int step) {
    return (most + step) / step;
}

// The step between ticks: the smallest of 1, 2, 5, 10, 20, 50, … with which an axis takes at most
// most_steps steps (steps_with: how many a step gives).
int tick_step(const std::function<int(int)>& steps_with, int most_steps) {
    for (int magnitude = 1;; magnitude *= 10) {
        for (const int factor : {1, 2, 5}) {
            if (steps_with(magnitude * factor) <= most_steps) {
                return magnitude * factor;
            }
        }
    }
}

// The steps a vertical axis this tall shows readably: QtCharts cuts a label to "..." when its share
// of the axis is shorter than the label, so each step gets a label's height and as much again.
int steps_for_height(double height, const QFont& font) {
    return std::clamp(static_cast<int>(height / (2 * QFontMetricsF(font).height())), 2, 5);
}

// Sets an axis's steps to as many as its plot's height has room for, now and whenever the chart
// is laid out anew.
void follow_plot_height(QChart* chart, QAbstractAxis* axis, const std::function<void(int)>& set_steps) {
    // A first guess from the chart's height, less the title, legend and labels around the plot
    // (about eight lines), spares most charts a second layout.
    const double lines = QFontMetricsF(axis->labelsFont()).height();
    set_steps(steps_for_height(chart->size().height() - 8 * lines, axis->labelsFont()));
    QObject::connect(chart, &QChart::plotAreaChanged, axis, [axis, set_steps](const QRectF& plot) {
        set_steps(steps_for_height(plot.height(), axis->labelsFont()));
    });
}

// Puts a count axis's ticks at the smallest step that keeps within most_steps.
void set_count_steps(QValueAxis* axis, int most, int most_steps) {
    const int step = tick_step([most](int step) { return ticks_needed(most, step); }, most_steps);
    axis->setRange(0, ticks_needed(most, step) * step);
    axis->setTickInterval(step);
}

// A value axis for counts: whole numbers from 0 to a step beyond most.
QValueAxis* count_axis(int most, const QString& title) {
    auto* axis = new QValueAxis;
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setLabelFormat(QStringLiteral(u"%d"));
    axis->setTitleText(title);
    set_count_steps(axis, most, 5);
    return axis;
}

// Puts the goals axis's ticks at the smallest step that keeps within most_steps, labelling each
// tick with its count (goals against below zero are counts too).
void set_goal_steps(QCategoryAxis* axis, int most_against, int most_for, int most_steps) {
    const int step =
        tick_step([=](int step) { return ticks_needed(most_against, step) + ticks_needed(most_for, step); },
                  most_steps);
    const int low = -ticks_needed(most_against, step) * step;
    const int high = ticks_needed(most_for, step) * step;
    if (axis->count() == (high - low) / step + 1 && axis->min() == low && axis->max() == high) {
        return;
    }
    for (const QString& label : axis->categoriesLabels()) {
        axis->remove(label);
    }
    axis->setRange(low, high);
    axis->setStartValue(low);
    for (int value = low; value <= high; value += step) {
        // A category's label must be its own, so a count below zero is led by one blank more;
        // right-aligned against the axis, the blanks do not show. They also keep a one-digit axis
        // as wide as the "..." that QtCharts measures its title's room against, which would cut
        // the title otherwise. Labels are rich text: only a no-break space is not collapsed.
        const QString lead =
            value < 0 ? QStringLiteral(u"\u00a0\u00a0\u00a0") : QStringLiteral(u"\u00a0\u00a0");
        axis->append(lead + QString::number(std::abs(value)), value);
    }
}

// The goals axis of the results trend: goals for above zero, goals against below it.
QCategoryAxis* goals_axis() {
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setTitleText(QStringLiteral(u"得点／失点"));
    return axis;
}

QBarSet* bar_set(const QString& label, const QColor& colour) {
    auto* set = new QBarSet(label);
    set->setColor(colour);
    set->setBorderColor(colour.darker(115));
    return set;
}

QBarCategoryAxis* category_axis(const QStringList& labels) {
    auto* axis = new QBarCategoryAxis;
    axis->append(labels);
    QFont font = axis->labelsFont();
    font.setPointSizeF(font.pointSizeF() * 0.9);
    axis->setLabelsFont(font);
    // A chart is made long enough for its bars, so names are shown whole.
    axis->setTruncateLabels(false);
    // The counts' axis draws the one set of grid lines.
    axis->setGridLineVisible(false);
    return axis;
}

int largest(const std::vector<int>& values) {
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

}  // namespace

void results_chart(QChart* chart, const ResultsTrend& trend, const std::vector<GameBar>& games) {
    set_up_chart(chart, QStringLiteral(u"試合結果の推移"));
    auto* series = new QStackedBarSeries;
    auto* points = new QLineSeries;
    points->setName(QStringLiteral(u"勝点（累計）"));
    points->setColor(points_colour);
    points->setPointsVisible(true);
    const auto sum = [](const std::array<int, 3>& counts) { return counts[0] + counts[1] + counts[2]; };
    for (const GameResult outcome : {GameResult::win, GameResult::draw, GameResult::loss}) {
        const auto result = static_cast<size_t>(outcome);
        QList<qreal> ups;
        QList<qreal> downs;
        for (const TrendBar& bar : trend.bars) {
            ups.append(bar.goals_for[result]);
            downs.append(-bar.conceded[result]);
        }
        QBarSet* up = bar_set(result_text(outcome), result_colour(outcome));
        QBarSet* down = bar_set(result_text(outcome), result_colour(outcome, true));
        up->append(ups);
        down->append(downs);
        series->append(up);
        series->append(down);
    }
    int most_for = 0;
    int most_against = 0;
    QList<QPointF> totals;
    QStringList tips;
    for (size_t i = 0; i < trend.bars.size(); ++i) {
        const TrendBar& bar = trend.bars[i];
        most_for = std::max(most_for, sum(bar.goals_for));
        most_against = std::max(most_against, sum(bar.conceded));
        totals.append(QPointF(static_cast<double>(i), bar.points_after));
        tips.append(trend_bar_tooltip(trend, bar, games));
    }
    points->append(totals);
    chart->addSeries(series);
    chart->addSeries(points);
    // One legend entry per result: the lighter bars below share it.
    const QList<QLegendMarker*> markers = chart->legend()->markers(series);
    for (qsizetype i = 1; i < markers.size(); i += 2) {
        markers[i]->setVisible(false);
    }
    QBarCategoryAxis* dates = category_axis(trend_labels(trend, games));
    dates->setLabelsAngle(trend.bars.size() > 12 ? -90 : 0);
    chart->addAxis(dates, Qt::AlignBottom);
    QCategoryAxis* goals = goals_axis();
    follow_plot_height(chart, goals, [goals, most_against, most_for](int most_steps) {
        set_goal_steps(goals, std::max(most_against, 1), std::max(most_for, 1), most_steps);
    });
    chart->addAxis(goals, Qt::AlignLeft);
    // Untitled: the legend names the line, and QtCharts cuts a title beside one-digit labels.
    const int most_points = std::max(trend.bars.empty() ? 0 : trend.bars.back().points_after, 3);
    QValueAxis* total = count_axis(most_points, {});
    follow_plot_height(chart, total, [total, most_points](int most_steps) {
        set_count_steps(total, most_points, most_steps);
    });
    total->setGridLineVisible(false);
    chart->addAxis(total, Qt::AlignRight);
    series->attachAxis(dates);
    series->attachAxis(goals);
    points->attachAxis(dates);
    points->attachAxis(total);
    // The points mark every bar, a goalless draw included, so both show the bar's tooltip.
    auto show_tip = [tips](bool status, qsizetype index) {
        if (status && index >= 0 && index < tips.size()) {
            QToolTip::showText(QCursor::pos(), tips[index]);
        } else {
            QToolTip::hideText();
        }
    };
    QObject::connect(series, &QAbstractBarSeries::hovered, series,
                     [show_tip](bool status, int index) { show_tip(status, index); });
    QObject::connect(points, &QLineSeries::hovered, points,
                     [show_tip](const QPointF& point, bool status) { show_tip(status, qRound(point.x())); });
}

void scorers_chart(QChart* chart, const std::vector<SquadLine>& squad) {
    set_up_chart(chart, QStringLiteral(u"得点・アシスト"));
    std::vector<SquadLine> scorers = scorers_order(squad);
    std::reverse(scorers.begin(), scorers.end());  // bars are drawn from the bottom up
    auto* series = new QHorizontalStackedBarSeries;
    QBarSet* goals = bar_set(QStringLiteral(u"得点"), goals_for_colour);
    QBarSet* assists = bar_set(QStringLiteral(u"アシスト"), assist_colour);
    QStringList names;
    int most = 1;
    for (const SquadLine& member : scorers) {
        names.append(member.name);
        goals->append(member.goals);
        assists->append(member.assists);
        most = std::max(most, member.goals + member.assists);
    }
    series->append(goals);
    series->append(assists);
    chart->addSeries(series);
    QBarCategoryAxis* members = category_axis(names);
    chart->addAxis(members, Qt::AlignLeft);
    QValueAxis* counts = count_axis(most, {});
    chart->addAxis(counts, Qt::AlignBottom);
    series->attachAxis(members);
    series->attachAxis(counts);
}

void minutes_chart(QChart* chart, const std::vector<SquadLine>& squad, double possible) {
    set_up_chart(chart, QStringLiteral(u"出場時間"));
    std::vector<SquadLine> ordered = minutes_order(squad);
    std::reverse(ordered.begin(), ordered.end());
    auto* series = new QHorizontalBarSeries;
    QBarSet* shares = bar_set(QStringLiteral(u"出場時間の割合（%）"), minutes_colour);
    QStringList labels;
    for (const SquadLine& member : ordered) {
        labels.append(member.name + QStringLiteral(u"（") + QString::number(member.minutes) +
                      QStringLiteral(u"分）"));
        shares->append(md::round_half_even(100 * minutes_share(member.minutes, possible)));
    }
    series->append(shares);
    series->setLabelsVisible(true);
    series->setLabelsFormat(QStringLiteral(u"@value%"));
    series->setLabelsPosition(QAbstractBarSeries::LabelsInsideEnd);
    chart->addSeries(series);
    chart->legend()->hide();
    QBarCategoryAxis* members = category_axis(labels);
    chart->addAxis(members, Qt::AlignLeft);
    auto* percent = new QValueAxis;
    percent->setRange(0, 100);
    percent->setTickCount(6);
    percent->setLabelFormat(QStringLiteral(u"%d%%"));
    percent->setTitleText(QStringLiteral(u"出場可能な時間 ") + md::shortest_decimal(possible) +
                          QStringLiteral(u" 分に対する割合"));
    chart->addAxis(percent, Qt::AlignBottom);
    series->attachAxis(members);
    series->attachAxis(percent);
}

void time_bands_chart(QChart* chart, const TimeBands& bands) {
    set_up_chart(chart, QStringLiteral(u"得点の時間帯"));
    auto* series = new QBarSeries;
    QBarSet* goals = bar_set(QStringLiteral(u"得点"), goals_for_colour);
    QBarSet* conceded = bar_set(QStringLiteral(u"失点"), goals_against_colour);
    for (size_t i = 0; i < bands.goals_for.size(); ++i) {
        goals->append(bands.goals_for[i]);
        conceded->append(bands.conceded[i]);
    }
    series->append(goals);
    series->append(conceded);
    chart->addSeries(series);
    QBarCategoryAxis* minutes = category_axis(bands.labels);
    chart->addAxis(minutes, Qt::AlignBottom);
    const int most = std::max({largest(bands.goals_for), largest(bands.conceded), 1});
    QValueAxis* counts = count_axis(most, QStringLiteral(u"点"));
    follow_plot_height(chart, counts,
                       [counts, most](int most_steps) { set_count_steps(counts, most, most_steps); });
    chart->addAxis(counts, Qt::AlignLeft);
    series->attachAxis(minutes);
    series->attachAxis(counts);
}

void goal_shape_chart(QChart* chart, const QString& title, const LabelledCounts& counted) {
    set_up_chart(chart, title);
    auto* series = new QHorizontalBarSeries;
    QBarSet* goals = bar_set(QStringLiteral(u"得点"), goals_for_colour);
    QStringList labels = counted.labels;
    std::reverse(labels.begin(), labels.end());  // the first word on top
    for (auto count = counted.counts.rbegin(); count != counted.counts.rend(); ++count) {
        goals->append(*count);
    }
    series->append(goals);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsInsideEnd);
    chart->addSeries(series);
    chart->legend()->hide();
    QBarCategoryAxis* words = category_axis(labels);
    chart->addAxis(words, Qt::AlignLeft);
    // QtCharts measures a word with full-width parentheses ("中央（エリア内）") short by about a
    // character: room for one more keeps it inside the chart.
    QMargins margins = chart->margins();
    margins.setLeft(margins.left() + QFontMetrics(words->labelsFont()).horizontalAdvance(u'中'));
    chart->setMargins(margins);
    QValueAxis* counts = count_axis(std::max(largest(counted.counts), 1), {});
    chart->addAxis(counts, Qt::AlignBottom);
    series->attachAxis(words);
    series->attachAxis(counts);
}

}  // namespace kl
