#pragma once

#include "game_correction.h"
#include "game_info.h"
#include "lineup.h"
#include "live_game.h"
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

// ライブ入力 begins on pages 1 and 2: page 2's 次へ hands the game to the live window.
struct LiveStart {};
// ライブ入力 ends on page 3 with the live game's events, to be completed and stored; 完了 then
// removes the game's journal.
struct LiveFinish {
    LiveGame game;
    QString journal;
};

// The game entry wizard: page 1 game information, page 2 formation and line-up, page 3 the timeline;
// 完了 stores the game. Opened on a stored game (試合データ修正) it shows the game as it was entered,
// and 完了 stores the corrected game in its place.
class fm_game_input : public QWidget {
    Q_OBJECT
  public:
    // owner: the window to centre over; correction: the stored game to correct, if any.
    fm_game_input(md::DataStore& store, const QWidget* owner,
                  std::optional<GameCorrection> correction = std::nullopt);
    fm_game_input(md::DataStore& store, const QWidget* owner, LiveStart);
    fm_game_input(md::DataStore& store, const QWidget* owner, LiveFinish finished);

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
    // ライブ入力: pages 1 and 2 are done; the live window takes the game from here.
    void live_game_ready(const kl::LiveGameSetup& setup);

  private:
    QWidget* build_page1();
    QWidget* build_page2();
    void fill_lists();
    void show_page(int page);
    QWidget* first_input(int page) const;
    GameInfo page1_info() const;
    void escape();
    void next_from_page1();
    void next_from_page2();
    void back_from_page3();
    void complete();
    void show_meeting(int index);
    // The rules a game of this meeting is stored with: a corrected game keeps its own until another
    // meeting is chosen.
    std::optional<md::Meeting> rules_for(const QString& meeting) const;
    void show_correction();
    // Pages 1 and 2 showing a game's information and line-up.
    void show_pages(const GameInfo& info, const Lineup& lineup);
    void show_live_game(const LiveGame& game);
    QString task_caption() const;
    void sync_lineup();
    int box_in_use() const;

    md::DataStore& store_;
    std::optional<GameCorrection> correction_;
    bool live_ = false;
    QString live_journal_;  // page 3 of a live game: the journal 完了 removes
    Lineup lineup_;
    QStringList fixed_fields_;  // event_fields 0-42 once pages 1 and 2 are done
    QStackedLayout* pages_ = nullptr;
    int page_ = 0;
    GameInfo opened_info_;  // page 1 as the window opened
    bool went_past_page1_ = false;
};

}  // namespace kl
