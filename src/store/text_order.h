#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <algorithm>

namespace md {

// The one text order of the program: plain UTF-16 code units, no locale, no case folding.
inline bool text_less(QStringView a, QStringView b) {
    return a.compare(b) < 0;
}

// Sorts texts in that order; equal texts keep their order.
inline void sort_texts(QStringList& texts) {
    std::stable_sort(texts.begin(), texts.end(),
                     [](const QString& a, const QString& b) { return text_less(a, b); });
}

}  // namespace md
