#include "live_clock.h"

#include "store/numbers.h"

#include <QDateTime>
#include <algorithm>

namespace kl {
namespace {

size_t slot(LivePeriod period) {
    return static_cast<size_t>(period);
}

constexpr qint64 minute_ms = 60 * 1000;

}  // namespace

TimeSource wall_clock() {
    return [] { return QDateTime::currentMSecsSinceEpoch(); };
}

bool is_timed(LivePeriod period) {
    return static_cast<int>(period) < timed_period_count;
}

QString period_caption(LivePeriod period) {
    switch (period) {
        case LivePeriod::first_half:
            return QStringLiteral(u"前半");
        case LivePeriod::second_half:
            return QStringLiteral(u"後半");
        case LivePeriod::extra_first_half:
            return QStringLiteral(u"延長前半");
        case LivePeriod::extra_second_half:
            return QStringLiteral(u"延長後半");
        case LivePeriod::shoot_out:
            return QStringLiteral(u"PK戦");
        case LivePeriod::finished:
            break;
    }
    return QStringLiteral(u"試合終了");
}

QString period_end_caption(LivePeriod period) {
    return is_timed(period) ? period_caption(period) + QStringLiteral(u"終了") : QString();
}

MinuteRange period_minutes(LivePeriod period, int game_minutes, int extra_minutes, MinuteCounting counting) {
    const int half = game_minutes / 2;
    const int extra_half = extra_minutes / 2;
    const bool elapsed = counting == MinuteCounting::elapsed;
    MinuteRange range;
    switch (period) {
        case LivePeriod::first_half:
            range = {elapsed ? 0 : 1, half};
            break;
        case LivePeriod::second_half:
            range = {elapsed ? half : half + 1, game_minutes};
            break;
        case LivePeriod::extra_first_half:
            range = {md::saturated(game_minutes + 1LL), md::saturated(game_minutes + 0LL + extra_half)};
            break;
        case LivePeriod::extra_second_half:
            range = {md::saturated(game_minutes + 1LL + extra_half),
                     md::saturated(0LL + game_minutes + extra_minutes)};
            break;
        default:
            break;
    }
    // A meeting too short to split (a game of one minute) still has one minute a period.
    range.last = std::max(range.first, range.last);
    return range;
}

int clock_minute(const MinuteRange& range, qint64 elapsed_ms) {
    const qint64 minute = range.first + std::max<qint64>(0, elapsed_ms) / minute_ms;
    return static_cast<int>(std::min<qint64>(minute, range.last));
}

QString clock_text(qint64 elapsed_ms) {
    const qint64 seconds = std::max<qint64>(0, elapsed_ms) / 1000;
    return QStringLiteral(u"%1:%2")
        .arg(seconds / 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

bool LiveClock::started() const {
    return is_timed(period_) && started_[slot(period_)];
}

qint64 LiveClock::elapsed(qint64 now) const {
    return elapsed_of(period_, now);
}

qint64 LiveClock::elapsed_of(LivePeriod period, qint64 now) const {
    if (!is_timed(period)) {
        return 0;
    }
    const qint64 running =
        period == period_ && running_since_ ? std::max<qint64>(0, now - *running_since_) : 0;
    return elapsed_ms_[slot(period)] + running;
}

qint64 LiveClock::game_time(qint64 now) const {
    qint64 total = 0;
    for (int period = 0; period < timed_period_count; ++period) {
        total += elapsed_of(LivePeriod(period), now);
    }
    return total;
}

bool LiveClock::start(qint64 now) {
    if (!is_timed(period_) || running_since_) {
        return false;
    }
    running_since_ = now;
    started_[slot(period_)] = true;
    return true;
}

bool LiveClock::pause(qint64 now) {
    if (!running_since_) {
        return false;
    }
    elapsed_ms_[slot(period_)] = elapsed(now);
    running_since_.reset();
    return true;
}

void LiveClock::move_to(LivePeriod next, qint64 now) {
    pause(now);
    period_ = next;
}

void LiveClock::set_paused_at(qint64 elapsed_ms) {
    running_since_.reset();
    if (is_timed(period_)) {
        elapsed_ms_[slot(period_)] = std::max<qint64>(0, elapsed_ms);
        started_[slot(period_)] = started_[slot(period_)] || elapsed_ms > 0;
    }
}

}  // namespace kl
