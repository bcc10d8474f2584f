#pragma once

#include "store/master_lists.h"
#include "store/user_message.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace kl {

// A refusal of an edit and the field that gets the focus for its correction.
template <typename Field>
struct Refusal {
    md::UserMessage message;
    Field focus;
};

// --- The three name lists (members, grounds, opponents) ---

enum class NameList { members, grounds, opponents };

// Why a typed name cannot be added to a list showing listed, or nothing when it can: a name that
// cannot be stored, then a name already listed (exact text).
std::optional<md::UserMessage> check_new_name(NameList list, const QString& name, const QStringList& listed);

// Inserts name into names kept in text order; returns its position.
int insert_sorted(QStringList& names, const QString& name);

// --- Meetings ---

// The four steppers of a time box and the limits of the two boxes.
enum class Step { down_ten, down_one, up_one, up_ten };
inline constexpr int game_time_limit = 90;
inline constexpr int extra_time_limit = 30;
int stepped_time(int value, Step step, int limit);

// The extra-time modes in the order of the mode chooser.
const std::array<QString, 3>& extra_time_modes();
QString mode_description(int mode_index);

// What the meeting editor holds.
struct MeetingDraft {
    QString name;
    int game_time = 90;
    bool extra_time = false;
    int mode_index = -1;  // none chosen
    int extra_length = 30;
    bool shoot_out = false;
};

enum class MeetingField { name, mode };

// The checks of OK in their order. former_name: the meeting being changed (empty when adding).
std::optional<Refusal<MeetingField>> check_meeting(const MeetingDraft& draft,
                                                   const QStringList& meeting_names,
                                                   const QString& former_name);
QString compose_meeting_line(const MeetingDraft& draft);
// The editor filled from a stored meeting; the mode stays current_mode when the stored mode is none
// of the three.
MeetingDraft meeting_draft(const md::Meeting& meeting, int current_mode);

// --- Formations ---

inline constexpr int formation_count_limit = 10;
int stepped_count(int count, bool up);

struct FormationDraft {
    QString name;
    std::array<int, md::outfield_position_count> counts{};  // CF, WF, OH, SH, CH, DH, CB, SB, SW
};

enum class FormationField { name, counts };

// The checks of OK in their order. small_sided_games: the option that also takes formations of
// four to ten players.
std::optional<Refusal<FormationField>> check_formation(const FormationDraft& draft,
                                                       const QStringList& formation_names,
                                                       const QString& former_name,
                                                       bool small_sided_games = false);
QString compose_formation_line(const FormationDraft& draft);

}  // namespace kl
