#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace kl {

// The penalty shoot-out panel: the kicking order, the kicks in the order taken, one row per round
// and the score. Which pitch rows can kick is the page's business; this is the panel alone.
class ShootOut {
  public:
    // The kick fields of a shoot-out: an own kick "1"/"0" and its kicker, an opponent kick "1"/"0".
    static constexpr int kick_field_capacity = 101;

    std::optional<bool> own_first;                  // 先攻 or 後攻 chosen
    std::array<bool, 2> order_enabled{true, true};  // 先攻, 後攻
    bool own_side = false;                          // 自チーム, the kicker box and its ○ ×
    bool opponent_side = false;                     // 敵チーム and its ○ ×
    bool reset_enabled = true;                      // 初期化
    QString kicker;
    std::vector<QStringList> rounds;  // 回数, then the marks of the first and the second kick
    bool round_open = false;
    int own_points = 0;
    int opponent_points = 0;
    QStringList kicks;
    int rotation_count = 0;  // own kicks of the current kicker rotation

    void choose_order(bool own_kicks_first);
    bool has_room_for(bool own) const;
    // Records a kick whose side is enabled (the caller checks the kicker and the room).
    void record(bool own, bool scored);
    // Decided when the scores differ at the end of a round, or by two once past the first round.
    bool decided() const;
    // 初期化: no order, no kicks, 0 - 0.
    void reset();
    // After the shoot-out event: nothing on the panel can be used.
    void close();
};

}  // namespace kl
