#pragma once

#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QTextEdit;
class QTreeWidget;

namespace kl {

// View 2 of the main window: the team's results and per-member totals over chosen games.
class TeamDataView : public QWidget {
    Q_OBJECT
  public:
    explicit TeamDataView(QWidget* parent = nullptr);

    QWidget* fr_setting;
    QCheckBox* ck_date;
    std::array<QComboBox*, 2> cb_date;  // cb_date(0), cb_date(1)
    QLabel* lb_date;
    QCheckBox* ck_meeting;
    QComboBox* cb_meeting;
    QPushButton* cm_setting;
    QLabel* lb_game;
    QTreeWidget* lstv_team;
    std::array<QLineEdit*, 3> tx_copy;  // tx_copy(0..2), hidden

  Q_SIGNALS:
    void context_menu_requested(const QPoint& global_position);
};

// View 3 of the main window: one member's figures by position and the breakdowns of goals and assists.
class PersonalDataView : public QWidget {
    Q_OBJECT
  public:
    explicit PersonalDataView(QWidget* parent = nullptr);

    QWidget* fr_player_setting;
    std::array<QLabel*, 2> lb_player;  // lb_player(0) "～", lb_player(1) "メンバー"
    QComboBox* cb_player;
    QCheckBox* ck_player_date;
    std::array<QComboBox*, 2> cb_date;  // cb_date(2), cb_date(3)
    QCheckBox* ck_player_meeting;
    QComboBox* cb_player_meeting;
    QPushButton* cm_renew;
    QScrollArea* pt_player;
    QTreeWidget* lstv_player;
    QWidget* fr_player;
    std::array<QTextEdit*, 8> tx_player;
    std::array<QLineEdit*, 3> tx_copy;  // tx_copy(3..5), hidden
};

}  // namespace kl
