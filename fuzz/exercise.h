#pragma once

#include "store/data_store.h"

namespace kl::fuzz {

// Computes everything a user can ask for of a loaded team: the game list with every sort, every
// game's sheet and detail text, the team statistics and every member's personal statistics with
// and without filters, with every sort, the season's charts and the copy texts of all five views.
void exercise_everything(const md::DataStore& store);

// Whether two stores hold the same team data file contents.
bool same_tables(const md::DataStore& a, const md::DataStore& b);

}  // namespace kl::fuzz
