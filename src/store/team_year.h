#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace md {

// A year in a team's name, as clubs name one file per season ("さくらFC 2025", "さくらFC２０２５年度"): the
// last run of exactly four digits (ASCII or full-width) from 1900 to 2099.
struct YearInName {
    qsizetype position = 0;
    int year = 0;
};
std::optional<YearInName> year_in_name(QStringView name);

// The name with its year changed to year, in the same digits; the name as it is when it has no year.
QString with_year(QStringView name, int year);

// The name without its year and the blanks beside it ("さくらFC 2025" → "さくらFC"); the name as it is
// when it has no year or would be nothing without it.
QString without_year(QStringView name);

}  // namespace md
