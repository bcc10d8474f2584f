#pragma once

#include "game_list_dialog.h"

class QPushButton;

namespace kl {

// 試合データ修正: the stored games in text order; 修正 closes the window and hands on the chosen game,
// which the wizard then opens for correction.
class fm_game_modify : public GameListDialog {
    Q_OBJECT
  public:
    // preselected: the stored position of the game to choose when the window opens.
    fm_game_modify(md::DataStore& store, const QWidget* owner, std::optional<int> preselected);

    QPushButton* cm_game_modify;
    QPushButton* cm_cancel;

  Q_SIGNALS:
    // The game to correct, by its stored position; sent as the window closes.
    void game_chosen(int position);

  private:
    void modify_selected();
};

}  // namespace kl
