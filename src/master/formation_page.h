#pragma once

#include "editor_page.h"
#include "master_edits.h"
#include "store/master_lists.h"

#include <array>

class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace kl {

// The formations page: the list of formations and, in its place while adding or changing, the editor.
class FormationPage : public EditorPage {
    Q_OBJECT
  public:
    FormationPage(md::DataStore& store, QWidget* parent = nullptr);

    QTreeWidget* lstv_formation;
    QPushButton* cm_formation_add;
    QPushButton* cm_formation_change;
    QPushButton* cm_formation_delete;
    QWidget* fr_formation_set;
    QLineEdit* tx_formation_name;
    std::array<QLineEdit*, md::outfield_position_count> tx_formation;
    std::array<QPushButton*, md::outfield_position_count> cm_down;
    std::array<QPushButton*, md::outfield_position_count> cm_up;
    QLineEdit* tx_gk;
    QPushButton* cm_formation_ok;
    QPushButton* cm_formation_cancel;

  private:
    QWidget* build_editor();
    QWidget* count_row(int index, QWidget* parent);
    QStringList& lines() override;
    QStringList names() const override;
    std::vector<QStringList> rows() const override;
    void reset_editor() override;
    void change() override;
    void accept();
    FormationDraft draft() const;
};

}  // namespace kl
