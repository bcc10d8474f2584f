#pragma once

#include "store/game_event.h"
#include "store/user_message.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace kl {

// The details of goals and conceded goals: the panels that take them, the options of each group,
// the area rule of the actions and when an event's details are complete.

// The detail panels and the buttons that open them.
enum class DetailPanel { finish, assist, own_goal, conceded_finish, play_before };
inline constexpr int detail_panel_count = 5;
inline constexpr int area_option_count = 5;

// The options of each group of a panel, in order: body part (0), area (1), action (2).
const QStringList& detail_options(DetailPanel panel, int group);

// Which area options an action leaves open, and where it moves an area it closes (-1: none chosen).
struct AreaChoice {
    std::array<bool, area_option_count> enabled;
    int area;
};
AreaChoice area_after_action(DetailPanel panel, const QString& action, int area);

// The message page 3 refuses a goal or conceded goal with while its members or details are missing
// ("「得点者」　の詳細を右のボタンを押してから選択して下さい。"), in the order page 3 checks them;
// nothing when the event is complete, and for every other kind.
std::optional<md::UserMessage> missing_details(const md::GameEvent& event);

}  // namespace kl
