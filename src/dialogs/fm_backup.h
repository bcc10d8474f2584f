#pragma once

#include "backup_list.h"
#include "store/data_store.h"

#include <QWidget>
#include <vector>

class QPushButton;
class QTreeWidget;

namespace kl {

// バックアップから復元: the open team's backups, newest first; 復元 puts the chosen one back in place
// of the team file (which becomes a backup itself, so the restore can be undone).
class fm_backup : public QWidget {
    Q_OBJECT
  public:
    fm_backup(md::DataStore& store, const QWidget* owner);

    QTreeWidget* lst_backup;
    QPushButton* cm_restore;
    QPushButton* cm_cancel;

  Q_SIGNALS:
    // The store was loaded again from the file: restored, or kept as another program left it.
    void team_file_reloaded();

  private:
    void fill_list();
    void restore_selected();

    md::DataStore& store_;
    std::vector<BackupRow> rows_;  // as listed
};

}  // namespace kl
