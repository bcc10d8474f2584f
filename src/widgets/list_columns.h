#pragma once

#include <vector>

class QTreeView;

namespace kl {

// How a list meets columns wider than its place.
enum class ListWidth {
    scrolls,        // the list scrolls sideways
    shows_columns,  // the list is at least as wide as its columns: its window makes room
};

// Lays out the columns of list, now and whenever its rows or its width change: each column takes
// its design width (twips, for the list's font, see column_width) as its least width and grows to
// its widest cell and its header; the last column reaches the list's right edge. Widths of columns
// without a design width are 0 twips.
void fit_columns(QTreeView* list, const std::vector<int>& design_twips, ListWidth width = ListWidth::scrolls);

}  // namespace kl
