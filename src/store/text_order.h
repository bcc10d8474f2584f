#pragma once

#include <QHashFunctions>
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

// Hashes texts for std::unordered_map and unordered_set. Qt 6.4's QHash, with its per-process seed,
// is many times slower on short names, and the statistics look names up for every event.
struct TextHash {
    size_t operator()(QStringView text) const noexcept { return qHash(text, 0); }
};

}  // namespace md
