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
    // 読み込み...: the names of a spreadsheet, shown first and then added at one save.
    void import_names();
    // Adds names (already checked) at the end of the list, at one save.
    void add_names(const QStringList& names);
    // 書き出し...: the list as CSV, into a file the user names; export_to writes it to path.
    void export_names();
    void export_to(const QString& path);

    QListWidget* list_box;
    QLineEdit* entry;
    QPushButton* add_button;
    QPushButton* delete_button;
    QPushButton* import_button;
    QPushButton* export_button;

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
