#pragma once

#include "stats/game_replay.h"

#include <QColor>

namespace kl {

// The colours of the season's figures, the same on the screen, on paper, on the web pages and in the
// shared pictures.
inline const QColor goals_for_colour(0x2f, 0x6f, 0xb5);
inline const QColor goals_against_colour(0xc0, 0x39, 0x2b);
inline const QColor assist_colour(0xf0, 0xa0, 0x30);
inline const QColor minutes_colour(0x3a, 0x8f, 0x4e);

// A result's colour, and a lighter one for the goals against below a result's bar.
inline QColor result_colour(GameResult result, bool lighter = false) {
    switch (result) {
        case GameResult::win:
            return lighter ? QColor(0x9b, 0xd3, 0xae) : QColor(0x2e, 0x8b, 0x57);
        case GameResult::loss:
            return lighter ? QColor(0xec, 0xa8, 0xa0) : QColor(0xc0, 0x39, 0x2b);
        case GameResult::draw:
            break;
    }
    return lighter ? QColor(0xc9, 0xcf, 0xd1) : QColor(0x7f, 0x8c, 0x8d);
}

}  // namespace kl
