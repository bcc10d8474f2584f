#pragma once

#include "entry/event_page.h"

#include <QStringList>
#include <cstdint>

namespace kl::fuzz {

// What the timeline page's lists offer to be clicked: the formations of the formation change, and
// the rows of the reserve list (a click may fall below the last reserve).
struct EventPageChoices {
    QStringList formations;
    int reserve_rows = 0;
};

// One user action on the timeline page, chosen and parametrised by two bytes.
void act_on_event_page(EventPage& page, uint8_t action, uint8_t argument, const EventPageChoices& choices);

// What must hold after every action: the working table is exactly the fixed fields and the events,
// and every one of the line-up's members is in one place only: on the pitch, on the bench, or gone
// by a substitution or a sending-off.
void check_event_page(const EventPage& page, qsizetype lineup_members);

// What must hold at the end: the working table stores as a record that reads back with one event
// per list line.
void check_event_record(const EventPage& page);

}  // namespace kl::fuzz
