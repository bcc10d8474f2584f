#pragma once

#include "game_list_dialog.h"

class QPushButton;

namespace kl {

// 試合データ削除: the stored games in text order; 削除 removes the chosen one from the file. The
// window stays open for further deletions.
class fm_game_delete : public GameListDialog {
    Q_OBJECT
  public:
    fm_game_delete(md::DataStore& store, const QWidget* owner);

    QPushButton* cm_game_delete;
    QPushButton* cm_cancel;

  Q_SIGNALS:
    void games_changed();
    // The store was loaded again from the file: after a deletion, or when the file had changed on
    // disk and its version was kept.
    void team_file_reloaded();

  private:
    void delete_selected();
};

}  // namespace kl
