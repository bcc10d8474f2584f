#pragma once

#include <QString>
#include <QStringView>

namespace md {

// The number at the start of a stored text: leading blanks, an optional sign, then digits.
// A text without leading digits reads as 0, so a damaged field never stops a computation.
int leading_int(QStringView text);

// A sum or difference of stored numbers, kept within an int: minutes read from a file can be as
// large as an int holds.
int saturated(long long value);

// Rounds to the nearest integer, halves to the even neighbour (97.5 -> 98, 96.5 -> 96).
int round_half_even(double value);

// A number in its shortest decimal form: 97, 202.5.
QString shortest_decimal(double value);

}  // namespace md
