#pragma once

#include "stats/stats_filter.h"

#include <QString>
#include <array>
#include <initializer_list>
#include <optional>

class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QWidget;

namespace kl {

class ChoiceList;

// The pieces the filter bars of the statistics views share.

// The entries of the bars' choosers, filled once for every bar by each refresh of the game lists:
// the games' keys, their meetings, and the members who stood in a line-up.
struct SharedChoices {
    ChoiceList* periods = nullptr;
    ChoiceList* meetings = nullptr;
    ChoiceList* members = nullptr;
};

// Makes a bar's period and meeting choosers show the shared entries.
void share_filter_choices(const SharedChoices& choices, const std::array<QComboBox*, 2>& keys,
                          QComboBox* meeting);

// A chooser of the bar, disabled until its check box is ticked.
QComboBox* selection_combo(QWidget* parent, const QString& name, int width);

// A filter bar, centred in its view.
QHBoxLayout* centred(QWidget* bar);

// A check box enables the controls it governs while ticked.
void govern(QCheckBox* box, std::initializer_list<QWidget*> governed);

StatsFilter filter_of(const QCheckBox* period, const std::array<QComboBox*, 2>& keys,
                      const QCheckBox* meeting, const QComboBox* meeting_name);

// The filter texts a computation keeps, with what its choosers then show: without a period the
// period choosers show the first and last game, without a meeting the meeting chooser its last
// entry. Nothing, and the choosers left alone, when no game is stored.
std::optional<FilterTexts> show_filter_texts(const StatsFilter& filter, const std::array<QComboBox*, 2>& keys,
                                             QComboBox* meeting, int stored_games);

}  // namespace kl
