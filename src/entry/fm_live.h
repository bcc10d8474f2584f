#pragma once

#include "live_journal.h"
#include "playing_time.h"

#include <QWidget>
#include <array>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QStackedLayout;
class QTimer;
class QTreeWidget;

namespace kl {

// ライブ入力: the game recorded at the pitch side. The clock and the minute of the next event at the
// top, the pitch and the bench with each member's playing time, one large button per action (its
// key shown on it), the details of the latest goal or conceded goal one tap each, the shoot-out,
// and the events so far. Every action is in the journal before the window shows it.
class fm_live : public QWidget {
    Q_OBJECT
  public:
    // game: a game begun or taken up again; journal: where its actions go; clock: the wall clock
    // (a test's own clock in tests); target_share: 環境設定's share in percent, 0 off.
    fm_live(LiveGame game, LiveJournal journal, TimeSource clock, int target_share, const QWidget* owner);

    const LiveGame& game() const { return game_; }
    const QString& journal_path() const { return journal_.path(); }

    QLabel* lb_live_period;
    QLabel* lb_live_clock;
    QLabel* lb_live_score;
    QPushButton* cm_live_start;
    QPushButton* cm_live_pause;
    QPushButton* cm_live_period_end;
    QLineEdit* tx_live_minute;
    QTreeWidget* lstv_live_pitch;
    QTreeWidget* lstv_live_bench;
    QTreeWidget* lstv_live_event;
    QPushButton* cm_live_goal;
    QPushButton* cm_live_assist;
    QPushButton* cm_live_conceded;
    QPushButton* cm_live_sub;
    QPushButton* cm_live_card;
    QPushButton* cm_live_red;
    QPushButton* cm_live_position;
    QPushButton* cm_live_ex;
    QPushButton* cm_live_pk;
    QPushButton* cm_live_undo;
    QPushButton* cm_live_finish;
    // The details of the latest goal or conceded goal: which part (the finish, or the assist or the
    // play before it), then one button per option of body part, area and action.
    QLabel* lb_live_detail;
    std::array<QPushButton*, 2> cm_live_detail_part;
    std::array<std::vector<QPushButton*>, 3> cm_live_detail_option;
    // The shoot-out: the order, the kicks of each side, the score and 初期化.
    QWidget* fr_live_pk;
    std::array<QPushButton*, 2> cm_live_pk_order;  // 先攻, 後攻
    std::array<QPushButton*, 4> cm_live_pk_point;  // own ○ ×, opponent ○ ×
    QLabel* lb_live_pk_score;
    QPushButton* cm_live_pk_reset;

  Q_SIGNALS:
    // 試合終了 was confirmed: the game goes on to page 3 (the window closes after this).
    void game_finished();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void place_on_screen(const QWidget* owner);
    QWidget* build_top_bar();
    QWidget* build_actions();
    QWidget* build_details();
    QWidget* build_shoot_out();
    QPushButton* action_button(const QString& name, const QString& caption, const QKeySequence& key);
    void connect_actions();
    // Applies an action: journal first, then the game, then the window; or shows why not.
    void act(const LiveAction& action);
    void act_on_selection(LiveVerb verb);
    void kick(bool own, bool scored);
    void choose_detail(int group, int option);
    void finish();
    LiveSelection selection() const;
    void show_game();
    void show_clock();
    void show_members();
    void show_events();
    void show_details();
    void show_shoot_out();
    // The part of the latest scoring event the detail buttons give: its panel.
    std::optional<DetailPanel> detail_panel() const;

    LiveGame game_;
    LiveJournal journal_;
    TimeSource clock_;
    int target_share_;
    QTimer* ticks_;
    QStackedLayout* lower_panels_ = nullptr;
    PitchStints stints_;
    int shown_revision_ = -1;   // of the event lines shown
    int stints_revision_ = -1;  // of the lines stints_ were taken from
    int detail_part_ = 0;       // 0: the finish, 1: the assist or the play before
    int detail_event_ = -1;
};

}  // namespace kl
