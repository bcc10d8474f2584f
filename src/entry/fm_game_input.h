#pragma once

#include "game_correction.h"
#include "lineup.h"
#include "store/data_store.h"

#include <QWidget>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedLayout;

namespace kl {

class EventPageView;

// The game entry wizard: page 1 game information, page 2 formation and line-up, page 3 the timeline;
// 完了 stores the game. Opened on a stored game (試合データ修正) it shows the game as it was entered,
// and 完了 stores the corrected game in its place.
class fm_game_input : public QWidget {
    Q_OBJECT
  public:
    // owner: the window to centre over; correction: the stored game to correct, if any.
    fm_game_input(md::DataStore& store, const QWidget* owner,
                  std::optional<GameCorrection> correction = std::nullopt);

    int page() const { return page_; }

    // Navigation, per page (0-2).
    std::array<QWidget*, 3> fr_input;
    std::array<QPushButton*, 3> cm_back;
    std::array<QPushButton*, 3> cm_next;
    std::array<QPushButton*, 3> cm_cancel;
    // Page 1.
    QLineEdit* tx_date;
    QPushButton* cm_down1;
    QPushButton* cm_down;
    QPushButton* cm_up;
    QPushButton* cm_up1;
    QComboBox* cb_time_h;
    QComboBox* cb_time_m;
    std::array<QComboBox*, 2> cb_ground;
    std::array<QComboBox*, 2> cb_team;
    QComboBox* cb_meeting;
    QLabel* lb_game_time1;
    QLabel* lb_game_ex1;
    QLabel* lb_game_ex2;
    QLabel* lb_game_pk1;
    std::array<QComboBox*, 2> cb_writer;
    // Page 2.
    QComboBox* cb_formation;
    QListWidget* lst_member;
    QListWidget* lst_member_check;
    std::array<QPushButton*, starting_rows> cm_poji;
    std::array<QLineEdit*, starting_rows + reserve_slots> tx_member;
    QPushButton* cm_r_add;
    QPushButton* cm_r_delete;
    // Page 3.
    EventPageView* events;

  Q_SIGNALS:
    void games_changed();
    // 完了 found the file changed by another program and the user kept that version: the store was
    // loaded again, and the wizard stays open so that 完了 can add the game to that version.
    void team_file_reloaded();

  private:
    QWidget* build_page1();
    QWidget* build_page2();
    void fill_lists();
    void show_page(int page);
    QWidget* first_input(int page) const;
    void next_from_page1();
    void next_from_page2();
    void back_from_page3();
    void complete();
    void show_meeting(int index);
    // The rules a game of this meeting is stored with: a corrected game keeps its own until another
    // meeting is chosen.
    std::optional<md::Meeting> rules_for(const QString& meeting) const;
    void show_correction();
    void sync_lineup();
    int box_in_use() const;

    md::DataStore& store_;
    std::optional<GameCorrection> correction_;
    Lineup lineup_;
    QStringList fixed_fields_;  // event_fields 0-42 once pages 1 and 2 are done
    QStackedLayout* pages_ = nullptr;
    int page_ = 0;
};

}  // namespace kl
