#pragma once

#include "main_view.h"
#include "reports/copy_texts.h"
#include "statistics_controls.h"
#include "stats/player_stats.h"
#include "stats/stats_filter.h"
#include "store/data_store.h"

#include <array>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QTextEdit;
class QTreeView;

namespace kl {

class StatsListModel;

// View 2 of the main window: the team's results and per-member totals over chosen games.
class TeamDataView : public MainView {
    Q_OBJECT
  public:
    TeamDataView(const md::DataStore& store, const SharedChoices& choices, QWidget* parent = nullptr);

    StatsFilter filter() const;
    // 更新: checks the filter (showing the first failure), then computes and shows the team data.
    void update();
    // A click on the header of column (0-based).
    void sort_by_column(int column);
    std::vector<StatsRow> rows() const;
    // The name in the selected row; with no row selected, the first row's (none when the list is empty).
    std::optional<QString> chosen_member() const;
    TeamViewContent content() const;
    // Whether 更新 has shown results since the list was last emptied.
    bool has_results() const { return has_results_; }
    // Empties the list, as a refresh of the game lists does.
    void clear_results();

    QString copy_text() const override;
    // Nothing before 更新 has shown results.
    std::optional<PrintDocument> print_document(const QDate& today) const override;

    QWidget* fr_setting;
    QCheckBox* ck_date;
    std::array<QComboBox*, 2> cb_date;  // cb_date(0), cb_date(1)
    QLabel* lb_date;
    QCheckBox* ck_meeting;
    QComboBox* cb_meeting;
    QPushButton* cm_setting;
    QLabel* lb_game;
    QLabel* lb_game_detail;  // the results by decision, below the totals line
    QTreeView* lstv_team;
    std::array<QLineEdit*, 3> tx_copy;  // tx_copy(0..2), hidden

  Q_SIGNALS:
    void context_menu_requested(const QPoint& global_position);

  private:
    const md::DataStore& store_;
    StatsListModel* rows_;
    int sort_column_ = 0;
    bool has_results_ = false;
};

// View 3 of the main window: one member's figures by position and the breakdowns of goals and assists.
class PersonalDataView : public MainView {
    Q_OBJECT
  public:
    PersonalDataView(const md::DataStore& store, const SharedChoices& choices, QWidget* parent = nullptr);

    StatsFilter filter() const;
    QString member() const;
    // 更新: checks the member and the filter (showing the first failure), then computes and shows.
    void update();
    // A click on the header of column (0-based).
    void sort_by_column(int column);
    std::vector<StatsRow> rows() const;
    // The view's content for the copy command; the breakdown is computed afresh for the member and
    // filter the controls now show.
    PersonalViewContent content() const;
    // The figures of the member and filter the controls now show.
    PersonalStats stats() const;
    // Whether 更新 has shown results.
    bool has_results() const { return has_results_; }
    // Takes over a filter (check boxes and texts, as the team view shows it) and selects member.
    void take_filter_and_member(const StatsFilter& filter, const QString& member);

    QString copy_text() const override;
    // Nothing before 更新 has shown results.
    std::optional<PrintDocument> print_document(const QDate& today) const override;

    QWidget* fr_player_setting;
    std::array<QLabel*, 2> lb_player;  // lb_player(0) "～", lb_player(1) "メンバー"
    QComboBox* cb_player;
    QCheckBox* ck_player_date;
    std::array<QComboBox*, 2> cb_date;  // cb_date(2), cb_date(3)
    QCheckBox* ck_player_meeting;
    QComboBox* cb_player_meeting;
    QPushButton* cm_renew;
    QScrollArea* pt_player;
    QTreeView* lstv_player;
    QWidget* fr_player;
    std::array<QTextEdit*, 8> tx_player;
    std::array<QLineEdit*, 3> tx_copy;  // tx_copy(3..5), hidden

  private:
    const md::DataStore& store_;
    StatsListModel* rows_;
    bool has_results_ = false;
};

}  // namespace kl
