#include "shoot_out.h"

#include "store/vocabulary.h"

#include <cstdlib>

namespace kl {

void ShootOut::choose_order(bool own_kicks_first) {
    // Choosing the order already chosen changes nothing: mid-round it must not hand the turn back.
    if (!order_enabled[own_kicks_first ? 0 : 1] || own_first == own_kicks_first) {
        return;
    }
    own_first = own_kicks_first;
    own_side = own_kicks_first;
    opponent_side = !own_kicks_first;
}

bool ShootOut::has_room_for(bool own) const {
    return kicks.size() + (own ? 2 : 1) <= kick_field_capacity;
}

void ShootOut::record(bool own, bool scored) {
    if (kicks.isEmpty()) {
        // The first kick fixes the order.
        order_enabled[*own_first ? 1 : 0] = false;
    }
    if (round_open) {
        round_open = false;
    } else {
        rounds.push_back({QString::number(rounds.size() + 1)});
        round_open = true;
    }
    rounds.back().append(scored ? QStringLiteral(u"○") : QStringLiteral(u"×"));
    kicks.append(scored ? md::words::kick_scored : md::words::kick_missed);
    if (own) {
        kicks.append(kicker);
        kicker.clear();
    }
    if (scored) {
        ++(own ? own_points : opponent_points);
    }
    own_side = !own;
    opponent_side = own;
}

bool ShootOut::decided() const {
    if (own_points == opponent_points) {
        return false;
    }
    return !round_open || (rounds.size() > 1 && std::abs(own_points - opponent_points) >= 2);
}

void ShootOut::reset() {
    *this = ShootOut();
}

void ShootOut::close() {
    own_first.reset();
    order_enabled = {false, false};
    own_side = false;
    opponent_side = false;
    reset_enabled = false;
    kicker.clear();
}

}  // namespace kl
