#pragma once

#include "editor_page.h"
#include "master_edits.h"
#include "store/master_lists.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace kl {

// The meetings page: the list of meetings and, in its place while adding or changing, the editor.
class MeetingPage : public EditorPage {
    Q_OBJECT
  public:
    MeetingPage(md::DataStore& store, QWidget* parent = nullptr);

    // The list page.
    QTreeWidget* lstv_meeting;
    QPushButton* cm_meeting_add;
    QPushButton* cm_meeting_change;
    QPushButton* cm_meeting_delete;
    // The editor.
    QWidget* fr_meeting_set;
    QLineEdit* tx_meeting;
    std::array<QLineEdit*, 2> tx_meeting_time;  // 0 game time, 1 extra time
    std::array<QPushButton*, 2> cm_meeting_down2;
    std::array<QPushButton*, 2> cm_meeting_down;
    std::array<QPushButton*, 2> cm_meeting_up;
    std::array<QPushButton*, 2> cm_meeting_up2;
    QCheckBox* ck_ex;
    QComboBox* cb_ex;
    QLineEdit* tx_ex;
    QCheckBox* ck_pk;
    QPushButton* cm_meeting_ok;
    QPushButton* cm_meeting_cancel;

  private:
    QWidget* build_editor();
    QWidget* time_row(int index, QWidget* parent);
    QStringList& lines() override;
    QStringList names() const override;
    std::vector<QStringList> rows() const override;
    void reset_editor() override;
    void change() override;
    void accept();
    void step(int index, Step step);
    int time_value(int index) const;
    MeetingDraft draft() const;
    void show_draft(const MeetingDraft& draft);

    std::vector<QWidget*> extra_time_controls_;
};

}  // namespace kl
