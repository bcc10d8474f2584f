#pragma once

#include "store/game_record.h"
#include "store/user_message.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace kl {

enum class StatsView { team, personal };

// The choice of games of a statistics view: a period between two game keys and a meeting, each
// used only when its check box is ticked.
struct StatsFilter {
    bool use_period = false;
    QString from_key;
    QString to_key;
    bool use_meeting = false;
    QString meeting_name;
};

// The checks made before a computation, in their order; the first failure's message, or nothing.
// member is the personal view's member (ignored for the team view).
std::optional<md::UserMessage> validate_filter(StatsView view, const StatsFilter& filter,
                                               const QString& member = {});

// Whether a game counts: its key within the period (by text), its meeting the chosen one.
bool select_games(const StatsFilter& filter, QStringView date, QStringView start_time, QStringView meeting);
template <typename Record>
bool select_games(const StatsFilter& filter, const Record& game) {
    return select_games(filter, game.date(), game.start_time(), game.meeting());
}

// The filter texts a computation keeps for the copy command, and what its choosers then show.
struct FilterTexts {
    QString from;
    QString to;
    QString meeting;
    // Without a period the bar shows the first and the last game; without a meeting the meeting
    // chooser shows its last entry.
    std::optional<int> from_entry;
    std::optional<int> to_entry;
    std::optional<int> meeting_entry;
};

// Nothing when no game is stored (the texts are then left as they were).
std::optional<FilterTexts> filter_texts(const StatsFilter& filter, const QStringList& period_entries,
                                        const QStringList& meeting_entries, int stored_games);

}  // namespace kl
