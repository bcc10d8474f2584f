#pragma once

#include "master_edits.h"
#include "store/data_store.h"

#include <QWidget>
#include <array>

class QLineEdit;
class QPushButton;
class QStackedLayout;
class QTreeWidget;

namespace kl {

// The formations page: the list of formations and, in its place while adding or changing, the editor.
class FormationPage : public QWidget {
    Q_OBJECT
  public:
    FormationPage(md::DataStore& store, QWidget* parent = nullptr);

    void reset();
    void fill();
    void focus_add();

    QTreeWidget* lstv_formation;
    QPushButton* cm_formation_add;
    QPushButton* cm_formation_change;
    QPushButton* cm_formation_delete;
    QWidget* fr_formation_set;
    QLineEdit* tx_formation_name;
    std::array<QLineEdit*, 9> tx_formation;
    std::array<QPushButton*, 9> cm_down;
    std::array<QPushButton*, 9> cm_up;
    QLineEdit* tx_gk;
    QPushButton* cm_formation_ok;
    QPushButton* cm_formation_cancel;

  private:
    QWidget* build_list_page();
    QWidget* build_editor();
    QWidget* count_row(int index, QWidget* parent);
    void open_editor(const QString& former_name, int position);
    void close_editor();
    void reset_editor();
    void change();
    void remove();
    void accept();
    FormationDraft draft() const;
    QStringList formation_names() const;

    md::DataStore& store_;
    QStackedLayout* pages_ = nullptr;
    QWidget* list_page_ = nullptr;
    QString former_name_;
    int changed_position_ = -1;  // -1 while adding
};

}  // namespace kl
