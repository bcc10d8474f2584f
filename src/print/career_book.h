#pragma once

#include "print_document.h"
#include "stats/career.h"
#include "stats/season_record.h"

#include <QDate>
#include <QStringList>
#include <vector>

namespace kl {

// 卒団記録帳: a cover with the team and the years of the seasons, then one page for each member (with
// a record in the seasons): the career table, the positions, the milestones and the goals, from the
// first season to the last. seasons in date order.
PrintDocument career_book_document(const std::vector<const SeasonRecord*>& seasons,
                                   const QStringList& members, const QDate& date);

}  // namespace kl
