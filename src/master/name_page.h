#pragma once

#include "master_edits.h"
#include "store/data_store.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kl {

// A page of plain names (members, grounds or opponents): a sorted list, an entry box, 追加 and 削除.
// Each change is saved at once; a change that cannot be saved is taken back.
class NamePage : public QWidget {
    Q_OBJECT
  public:
    NamePage(NameList list, md::DataStore& store, QWidget* parent = nullptr);

    void reset();
    void fill();
    void focus_entry();
    void add();
    void remove();

    QListWidget* list_box;
    QLineEdit* entry;
    QPushButton* add_button;
    QPushButton* delete_button;

  Q_SIGNALS:
    // A save kept the version another program had written: the store was loaded again.
    void team_file_reloaded();

  private:
    // Saves the changed line; false when the change is not in the file (taken back, or kept as a
    // backup while the store was loaded again).
    bool save_line(const QString& before);
    QStringList listed() const;
    void show_names(const QStringList& names, int selected);
    QString& stored_line();

    NameList kind_;
    md::DataStore& store_;
};

}  // namespace kl
