#pragma once

#include "store/data_store.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kl {

// 新規作成: creates a team data file and opens it. On a first start it is the program's only window.
class fm_new : public QWidget {
    Q_OBJECT
  public:
    // owner: the window to centre over; first_start: the program started without setting.ini and
    // this dialog is its only window (owner none).
    fm_new(md::DataStore& store, const QWidget* owner, bool first_start);

    QLabel* lb_team;
    QLineEdit* tx_team;
    QCheckBox* ck_file;
    QLabel* lb_file;
    QLineEdit* tx_file;
    QPushButton* cm_ok;
    QPushButton* cm_cancel;

  Q_SIGNALS:
    // The new file is open; first_start as it was when the dialog opened.
    void team_file_created(bool first_start);

  private:
    void create();

    md::DataStore& store_;
    bool first_start_;
};

}  // namespace kl
