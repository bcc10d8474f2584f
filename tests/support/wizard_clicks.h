#pragma once

#include "entry/event_panels.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QPushButton>
#include <QTreeWidget>
#include <array>

namespace kl::test {

// A detail panel (0 finish, 1 assist, 2 own goal, 3 conceded finish, 4 play before) filled by
// clicks as a scorer fills it: its button, the body part, the action, the area, OK.
inline void click_details(EventPageView* events, int panel, int body, int area, int action) {
    const std::array<QPushButton*, 5> openers = {events->cm_point, events->cm_assist, events->cm_own,
                                                 events->cm_l_point, events->cm_l_assist};
    openers[static_cast<size_t>(panel)]->click();
    DetailPanelControls& controls = events->detail_panels[static_cast<size_t>(panel)];
    controls.groups[0]->button(body)->click();
    controls.groups[2]->button(action)->click();
    controls.groups[1]->button(area)->click();
    controls.ok->click();
}

// A click on a row of the pitch list.
inline void click_pitch_row(EventPageView* events, int row) {
    emit events->lstv_sm->itemClicked(events->lstv_sm->topLevelItem(row), 0);
}

}  // namespace kl::test
