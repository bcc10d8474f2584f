#pragma once

#include "live_game.h"

#include <QString>
#include <vector>

namespace kl {

// --- ライブ入力: each member's playing time and share of the game so far ---

// How a member stands against the target share: reachable, reachable only if he comes on within
// the next few minutes, or out of reach.
enum class ShareStatus { fine, at_risk, out_of_reach };

// "The next few minutes" of the target share.
inline constexpr int share_warning_minutes = 5;

struct MemberTime {
    QString member;
    qint64 played_ms = 0;
    int row = -1;              // his pitch row while on the pitch
    bool can_come_on = false;  // among the reserves
    ShareStatus status = ShareStatus::fine;
};

// Who was on the pitch from when to when: the starting members from the kick-off, members coming
// on and going off (or sent off) at the game time of their event.
struct PitchStints {
    struct Stint {
        QString member;
        qint64 closed_ms = 0;            // time of the stints that ended
        std::optional<qint64> on_since;  // on the pitch since this game time
    };
    std::vector<Stint> members;  // the line-up's order: starting members, then reserves
};
PitchStints pitch_stints(const LiveGame& game);

// The pitch list's members by row, then the bench: reserves who can come on, then members who
// played and cannot come back; each with his time at now and, with a target share (percent, 0
// off), how a reserve stands against it (regular time only).
struct PlayingTime {
    qint64 game_ms = 0;
    std::vector<MemberTime> pitch;
    std::vector<MemberTime> bench;
};
PlayingTime playing_time(const LiveGame& game, const PitchStints& stints, qint64 now, int target_share);

// 出場時間: "23分（58%）", the share of the game so far.
QString playing_time_text(qint64 played_ms, qint64 game_ms);

}  // namespace kl
