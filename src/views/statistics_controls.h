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

// The pieces the filter bars of the statistics views share.

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
