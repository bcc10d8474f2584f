#include "numbers.h"

#include <cmath>
#include <limits>

namespace md {

int leading_int(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ') {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > std::numeric_limits<int>::max()) {
            value = std::numeric_limits<int>::max();
        }
    }
    return static_cast<int>(negative ? -value : value);
}

int saturated(long long value) {
    if (value > std::numeric_limits<int>::max()) {
        return std::numeric_limits<int>::max();
    }
    if (value < std::numeric_limits<int>::min()) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(value);
}

int round_half_even(double value) {
    const double rounded = std::nearbyint(value);  // the default rounding mode is to nearest, ties to even
    if (!(rounded > std::numeric_limits<int>::min())) {
        return std::numeric_limits<int>::min();
    }
    if (!(rounded < std::numeric_limits<int>::max())) {
        return std::numeric_limits<int>::max();
    }
    return static_cast<int>(rounded);
}

QString shortest_decimal(double value) {
    return QString::number(value, 'g', 15);
}

}  // namespace md
