#pragma once

#include "store/data_store.h"

#include <QStringList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kl {

// 次年度のファイルを作成: the open file's master data into a new team file without games, the
// graduating members left out; the new file then opens.
class fm_new_season : public QWidget {
    Q_OBJECT
  public:
    // owner: the window to centre over.
    fm_new_season(md::DataStore& store, const QWidget* owner);

    // The ticked members, in the list's order.
    QStringList kept_members() const;

    QLabel* lb_new_season_member;
    QListWidget* lst_new_season_member;
    QLabel* lb_team;
    QLineEdit* tx_team;
    QLabel* lb_file;
    QLineEdit* tx_file;
    QPushButton* cm_ok;
    QPushButton* cm_cancel;

  Q_SIGNALS:
    // The new file is open (as 開く opens a file).
    void team_file_opened(const md::LoadResult& result);

  private:
    void create();

    md::DataStore& store_;
};

}  // namespace kl
