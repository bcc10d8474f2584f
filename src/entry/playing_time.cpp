#include "playing_time.h"

#include "store/game_record.h"
#include "store/numbers.h"

#include <algorithm>

namespace kl {
namespace {

constexpr qint64 minute_ms = 60 * 1000;

PitchStints::Stint* stint_of(PitchStints& stints, const QString& member) {
    for (PitchStints::Stint& stint : stints.members) {
        if (stint.member == member) {
            return &stint;
        }
    }
    if (member.isEmpty()) {
        return nullptr;
    }
    stints.members.push_back({member, 0, std::nullopt});
    return &stints.members.back();
}

void go_off(PitchStints& stints, const QString& member, qint64 at) {
    if (PitchStints::Stint* stint = stint_of(stints, member); stint && stint->on_since) {
        stint->closed_ms += std::max<qint64>(0, at - *stint->on_since);
        stint->on_since.reset();
    }
}

qint64 played(const PitchStints::Stint& stint, qint64 game_ms) {
    return stint.closed_ms + (stint.on_since ? std::max<qint64>(0, game_ms - *stint.on_since) : 0);
}

bool in_regular_time(LivePeriod period) {
    return period == LivePeriod::first_half || period == LivePeriod::second_half;
}

// Whether a reserve who came on after delay_ms could still reach target_ms by the end of regular time.
bool reachable(qint64 played_ms, qint64 remaining_ms, qint64 delay_ms, qint64 target_ms) {
    return played_ms + std::max<qint64>(0, remaining_ms - delay_ms) >= target_ms;
}

}  // namespace

PitchStints pitch_stints(const LiveGame& game) {
    const EventPageState& page = game.page().state();
    PitchStints stints;
    for (int slot = 0; slot < md::record::starting_slots; ++slot) {
        const QString member = page.event_fields.value(md::working_entry(md::record::starting_member(slot)));
        if (PitchStints::Stint* stint = stint_of(stints, member)) {
            stint->on_since = 0;
        }
    }
    for (const QString& reserve : page.reserves) {
        stint_of(stints, reserve);
    }
    const std::vector<md::GameEvent>& events = game.page().events();
    const std::vector<qint64>& times = game.event_game_times();
    for (size_t i = 0; i < events.size() && i < times.size(); ++i) {
        const md::GameEvent& event = events[i];
        if (event.kind == md::EventKind::Substitution) {
            go_off(stints, event.member_out(), times[i]);
            if (PitchStints::Stint* stint = stint_of(stints, event.member_in())) {
                stint->on_since = times[i];
            }
        } else if (event.kind == md::EventKind::Card && event.sends_off()) {
            go_off(stints, event.carded_member(), times[i]);
        }
    }
    return stints;
}

PlayingTime playing_time(const LiveGame& game, const PitchStints& stints, qint64 now, int target_share) {
    const EventPageState& page = game.page().state();
    const LiveClock& clock = game.clock();
    PlayingTime result;
    result.game_ms = clock.game_time(now);
    const auto time_of = [&](const QString& member) {
        for (const PitchStints::Stint& stint : stints.members) {
            if (stint.member == member) {
                return played(stint, result.game_ms);
            }
        }
        return qint64{0};
    };
    for (size_t row = 0; row < page.pitch.size(); ++row) {
        if (page.row_in_play[row]) {
            const QString& member = page.pitch[row].member;
            result.pitch.push_back({member, member.isEmpty() ? 0 : time_of(member), static_cast<int>(row)});
        }
    }
    const qint64 regular_ms =
        clock.elapsed_of(LivePeriod::first_half, now) + clock.elapsed_of(LivePeriod::second_half, now);
    const qint64 remaining_ms = std::max<qint64>(0, page.game_minutes * minute_ms - regular_ms);
    const qint64 target_ms = page.game_minutes * minute_ms * target_share / 100;
    for (const QString& reserve : page.reserves) {
        MemberTime member{reserve, time_of(reserve), -1, true};
        if (target_share > 0 && in_regular_time(game.period()) && member.played_ms < target_ms) {
            member.status =
                !reachable(member.played_ms, remaining_ms, 0, target_ms) ? ShareStatus::out_of_reach
                : !reachable(member.played_ms, remaining_ms, share_warning_minutes * minute_ms, target_ms)
                    ? ShareStatus::at_risk
                    : ShareStatus::fine;
        }
        result.bench.push_back(member);
    }
    // Members who played and are neither on the pitch nor able to come back keep their time in view.
    // A kicker leaves the pitch list until his rotation of the shoot-out is over: he is on the pitch.
    const bool shoot_out = page.period == Period::shoot_out;
    for (const PitchStints::Stint& stint : stints.members) {
        const bool listed = std::any_of(result.pitch.begin(), result.pitch.end(),
                                        [&](const MemberTime& on) { return on.member == stint.member; }) ||
                            page.reserves.contains(stint.member) ||
                            (shoot_out && std::find(page.shoot_out_names.begin(), page.shoot_out_names.end(),
                                                    stint.member) != page.shoot_out_names.end());
        if (!listed && (stint.closed_ms > 0 || stint.on_since)) {
            result.bench.push_back({stint.member, played(stint, result.game_ms), -1, false});
        }
    }
    return result;
}

QString playing_time_text(qint64 played_ms, qint64 game_ms) {
    const QString minutes = QString::number(played_ms / minute_ms) + QStringLiteral(u"分");
    if (game_ms <= 0) {
        return minutes;
    }
    return minutes + QStringLiteral(u"（") +
           QString::number(md::round_half_even(100.0 * played_ms / game_ms)) + QStringLiteral(u"%）");
}

}  // namespace kl
