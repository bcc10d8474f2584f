#pragma once

#include "event_page.h"

#include <QWidget>
#include <array>
#include <functional>
#include <memory>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QStackedLayout;
class QTreeWidget;

namespace kl {

// One detail panel: three groups of options (body part, area, action) and OK.
// Shows the page's event lines in list (時間, イベント, 内容): lines taken back go, changed ones are
// written anew and new ones added below, so a long game stays quick. A line whose details are
// missing is marked and says missing_tip; with whole_line_tips the others show their whole line.
void show_event_lines(QTreeWidget* list, const EventPageState& page, const QString& missing_tip,
                      bool whole_line_tips);

struct DetailPanelControls {
    QGroupBox* frame = nullptr;
    std::array<QButtonGroup*, 3> groups{};
    QPushButton* ok = nullptr;
};

// Page 3 of the entry window: shows an EventPage and hands each user action to it.
class EventPageView : public QWidget {
    Q_OBJECT
  public:
    explicit EventPageView(QWidget* parent = nullptr);

    // Starts the page on a new state (prepare_event_page); nullptr clears it.
    void set_state(std::unique_ptr<EventPage> state);
    const EventPage* state() const { return state_.get(); }
    // Shows the state in every control.
    void sync();
    // 完了's check of events whose details are missing: the first is opened for completion and the
    // message to show returned.
    std::optional<md::UserMessage> refuse_missing_details();

    QLabel* lb_sm;
    QTreeWidget* lstv_sm;
    QLabel* lb_rm;
    QListWidget* lst_rm;
    std::array<QRadioButton*, kind_option_count> op_input;
    std::array<QWidget*, kind_option_count> fr_event;
    QLabel* lb_event_time;
    QLineEdit* tx_event_time;
    std::array<QPushButton*, 2> cm_time_down;  // "<", "<<"
    std::array<QPushButton*, 2> cm_time_up;    // ">", ">>"
    QPushButton* cm_event_add;
    QTreeWidget* lstv_event;
    QPushButton* cm_event_line_delete;
    QPushButton* cm_event_all_delete;
    QLabel* lb_socre1;
    QLineEdit* tx_score1;
    QLabel* lb_score2;
    QLineEdit* tx_score2;
    QPushButton* cm_harf;
    QPushButton* cm_ex;
    QPushButton* cm_pk;
    // The shoot-out panel.
    QWidget* fr_pk;
    std::array<QRadioButton*, 2> op_pk;
    std::array<QLabel*, 4> lb_pk;  // 自チーム, 敵チーム, PKスコア, "-"
    QLineEdit* tx_pk;
    std::array<QPushButton*, 4> cm_pk_point;  // own ○ ×, opponent ○ ×
    std::array<QLineEdit*, 2> tx_pk_point;
    QTreeWidget* lstv_pk;
    QPushButton* cm_pk_delete;
    // The substitution, position change, card and formation change panels.
    QLabel* lb_in;
    QLineEdit* tx_in;
    QLabel* lb_out;
    QLineEdit* tx_out;
    QLabel* lb_mem1;
    QLineEdit* tx_mem_poji1;
    QLineEdit* tx_mem1;
    QLabel* lb_mem2;
    QLineEdit* tx_mem_poji2;
    QLineEdit* tx_mem2;
    std::array<QRadioButton*, 2> op_card;
    QLabel* lb_card;
    QLineEdit* tx_card;
    std::array<QLabel*, 2> lb_formation;
    QLineEdit* tx_formation;
    QComboBox* cb_formation_change;
    // The goal panel.
    QLabel* lb_point;
    QLineEdit* tx_point;
    QPushButton* cm_point;
    QLabel* lb_assist;
    QLineEdit* tx_assist;
    QPushButton* cm_assist;
    QCheckBox* ck_own;
    QPushButton* cm_own;
    // The conceded panel.
    QLabel* lb_lost;
    QPushButton* cm_l_point;
    QPushButton* cm_l_assist;
    // fr_point, fr_assist, fr_own, fr_l_point, fr_l_assist.
    std::array<DetailPanelControls, detail_panel_count> detail_panels;

    // The window's 戻る, 完了 and キャンセル of this page, which the page enables and disables.
    void set_navigation(std::array<QPushButton*, 3> buttons) { navigation_ = buttons; }

  Q_SIGNALS:
    // An OK message box to show (a refused event).
    void refused(const md::UserMessage& message);

  private:
    QWidget* build_lists();
    QWidget* build_kinds();
    QWidget* build_kind_panel(KindOption kind);
    QWidget* build_substitution_panel();
    QWidget* build_position_change_panel();
    QWidget* build_card_panel();
    QWidget* build_formation_panel();
    QWidget* build_goal_panel();
    QWidget* build_conceded_panel();
    QWidget* build_time_row();
    QWidget* build_event_list();
    QWidget* build_timeline();
    QWidget* build_shoot_out_panel();
    DetailPanelControls build_detail_panel(DetailPanel panel);
    QPushButton* details_button(DetailPanel panel) const;
    void act(const std::function<void(EventPage&)>& action);
    // An action that may be refused with a message box.
    void act_or_refuse(const std::function<std::optional<md::UserMessage>(EventPage&)>& action);
    void sync_pitch();
    void sync_member_panels();
    void sync_goal_panel();
    void sync_details();
    static void focus_first_group(const DetailPanelControls& controls);
    void sync_events();
    void show_event_lines();
    void sync_shoot_out();
    void show_cleared_page();

    std::unique_ptr<EventPage> state_;
    std::array<QPushButton*, 3> navigation_{};
    QStackedLayout* kind_panels_ = nullptr;
    QWidget* kind_panel_area_ = nullptr;
    bool syncing_ = false;  // the controls are being set from the page
    int shown_lines_revision_ = -1;
};

}  // namespace kl
