#pragma once

#include <vector>

namespace kl {

// The widths of a list's columns: each column as wide as its widest cell or header, but never
// narrower than its design width; the last column takes what is left of the list's width, so the
// header row reaches the list's edge. All three lists are in pixels, one entry per column.
std::vector<int> fitted_column_widths(const std::vector<int>& design, const std::vector<int>& content,
                                      int list_width);

}  // namespace kl
