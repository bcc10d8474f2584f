#pragma once

#include "store/data_store.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabBar;

namespace kl {

// 環境設定: the start-up file, the keyboard entry of the game wizard, small-sided games, how live entry
// counts minutes and playing time, and the names on shared outputs. 設定 applies and saves; closing
// drops what was not applied.
class fm_setting : public QWidget {
    Q_OBJECT
  public:
    fm_setting(md::DataStore& store, const QWidget* owner);

    QTabBar* ts_setting;
    QGroupBox* fr_start;
    std::array<QRadioButton*, 2> op_input_file;
    QLineEdit* tx_input_file;
    QPushButton* cm_input_file;
    QCheckBox* ck_game_input;
    QCheckBox* ck_game_input_Add;
    QCheckBox* ck_small_sided;
    QCheckBox* ck_live_elapsed;
    QCheckBox* ck_live_share;
    QSpinBox* tx_live_share;  // the target share in percent
    QLabel* lb_share_names;
    QComboBox* cb_share_names;  // how the picture, the card and the web pages name the members
    QPushButton* cm_name_reading;
    QPushButton* cm_set;
    QPushButton* cm_cancel;

  private:
    void apply();
    void choose_start_file();
    void changed() const;

    md::DataStore& store_;
};

}  // namespace kl
