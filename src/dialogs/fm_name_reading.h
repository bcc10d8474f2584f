#pragma once

#include "store/data_store.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;

namespace kl {

// 読みの設定: the reading of each member's name (かな or ローマ字), from which the web pages, the
// result picture and the card take the initials of a name in kanji. The third column shows the
// initials as they will be shown.
class fm_name_reading : public QWidget {
    Q_OBJECT
  public:
    fm_name_reading(const md::DataStore& store, const QWidget* owner);

    QLabel* lb_reading;
    QTableWidget* lstv_reading;
    QPushButton* cm_set;
    QPushButton* cm_cancel;

  private:
    void show_initials(int row);
    void save();

    const md::DataStore& store_;
};

}  // namespace kl
