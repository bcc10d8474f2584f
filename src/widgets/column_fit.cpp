#include "column_fit.h"

#include <algorithm>
#include <numeric>

namespace kl {

std::vector<int> fitted_column_widths(const std::vector<int>& design, const std::vector<int>& content,
                                      int list_width) {
    std::vector<int> widths(design.size());
    for (size_t column = 0; column < design.size(); ++column) {
        widths[column] = std::max(design[column], column < content.size() ? content[column] : 0);
    }
    if (!widths.empty()) {
        const int used = std::accumulate(widths.begin(), widths.end() - 1, 0);
        widths.back() = std::max(widths.back(), list_width - used);
    }
    return widths;
}

}  // namespace kl
