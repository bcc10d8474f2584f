#pragma once

#include "entry/event_panels.h"
#include "entry/fm_game_input.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <array>

namespace kl::test {

// Page 1 as a scorer fills it: the date, the hour and the minute as chooser indexes, the first
// ground, opponent and meeting of the lists unless told otherwise, and the recorder typed in.
struct GameInformation {
    QString date;
    int hour_index = 10;
    int minute_index = 0;
    int meeting_index = 0;
    QString recorder;
};

inline void fill_game_information(fm_game_input* wizard, const GameInformation& game) {
    wizard->tx_date->setText(game.date);
    wizard->cb_time_h->setCurrentIndex(game.hour_index);
    wizard->cb_time_m->setCurrentIndex(game.minute_index);
    wizard->cb_ground[0]->setCurrentIndex(0);
    wizard->cb_team[0]->setCurrentIndex(0);
    wizard->cb_meeting->setCurrentIndex(game.meeting_index);
    wizard->cb_writer[0]->setEditText(game.recorder);
}

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
