#pragma once

#include "store/data_store.h"

#include <QWidget>

class QListWidget;
class QPushButton;

namespace kl {

// 試合データ削除: the stored games in text order; 削除 removes the chosen one from the file. The
// window stays open for further deletions.
class fm_game_delete : public QWidget {
    Q_OBJECT
  public:
    fm_game_delete(md::DataStore& store, const QWidget* owner);

    QListWidget* lst_game;      // the games sorted by their text
    QListWidget* lst_game_sub;  // hidden: the same texts in stored order
    QPushButton* cm_game_delete;
    QPushButton* cm_cancel;

  Q_SIGNALS:
    void games_changed();
    // The store was loaded again from the file: after a deletion, or when the file had changed on
    // disk and its version was kept.
    void team_file_reloaded();

  private:
    void fill_lists();
    void delete_selected();

    md::DataStore& store_;
};

}  // namespace kl
