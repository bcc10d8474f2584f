#pragma once

#include "store/data_store.h"
#include "store/game_record.h"
#include "store/master_lists.h"
#include "store/user_message.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

namespace kl {

// --- Page 1: game information ---

inline const QString date_format = QStringLiteral(u"yyyy/MM/dd");

enum class DateButton { month_back, day_back, day_forward, month_forward };

// The date box after a date button, never past today; a text that is not a date stays as it is.
QString shifted_date(const QString& text, DateButton button, const QDate& today);

// The choices of the start time lists: hours 00-23, minutes every five.
QStringList hour_choices();
QStringList minute_choices();

// What the labels of the chosen meeting show.
struct MeetingLabels {
    QString game_time;     // lb_game_time1
    QString extra_time;    // lb_game_ex1
    QString extra_detail;  // lb_game_ex2
    QString shoot_out;     // lb_game_pk1
};
MeetingLabels meeting_labels(const md::Meeting& meeting);

// What page 1 holds when 次へ is pressed: the texts of the boxes in use.
struct GameInfo {
    QString recorder;
    QString date;
    QString hour;
    QString minute;
    QString ground;
    QString opponent;
    QString meeting;  // empty when none is chosen
};

QString start_time(const GameInfo& info);

// The checks of 次へ in their order, against the stored games; a game being corrected (its position
// in game_lines) is no other game.
std::optional<md::UserMessage> check_game_info(const GameInfo& info, const md::DataStore& store,
                                               std::optional<int> corrected_game = std::nullopt);

// event_fields 0-10: the game information and the chosen meeting's rules.
QStringList game_info_fields(const GameInfo& info, const md::Meeting& meeting);

}  // namespace kl
