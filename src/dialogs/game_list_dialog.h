#pragma once

#include "store/data_store.h"

#include <QWidget>
#include <optional>

class QHBoxLayout;
class QListWidget;

namespace kl {

// A window that lists the stored games in text order for one of them to be chosen (試合データ削除,
// 試合データ修正): each game as date, time, opponent and ground, the same texts in stored order kept
// hidden so that the chosen one is found whatever the two orders are.
class GameListDialog : public QWidget {
    Q_OBJECT
  public:
    QListWidget* lst_game;      // the games sorted by their text
    QListWidget* lst_game_sub;  // hidden: the same texts in stored order

  protected:
    // buttons: the row of buttons under the list, filled by the window.
    GameListDialog(md::DataStore& store, const QString& name, const QString& caption);
    QHBoxLayout* buttons() const { return buttons_; }
    void fill_lists();
    // The stored position of the chosen game, if one is chosen.
    std::optional<int> chosen_game() const;
    // Makes the game at a stored position the chosen one.
    void choose_game(int position);

    md::DataStore& store_;

  private:
    QHBoxLayout* buttons_;
};

}  // namespace kl
