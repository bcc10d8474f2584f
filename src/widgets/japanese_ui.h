#pragma once

namespace kl {

// Makes Japanese the application's language for Qt's own texts as well: the standard buttons of
// message boxes (はい, いいえ, キャンセル) and the context menus of text boxes (元に戻す, 切り取り, …)
// come from Qt's Japanese translations, and Japanese is the default locale. Call once, after the
// application object is made and before any window. False when Qt's Japanese translations are not
// installed; the program then runs with Qt's English texts.
bool use_japanese_ui();

}  // namespace kl
