#pragma once

#include "reports/game_sheet.h"

#include <QWidget>
#include <array>

class QComboBox;
class QLabel;
class QScrollArea;
class QTextEdit;

namespace kl {

class ChoiceList;

// View 1 of the main window: one game as a score sheet, chosen in cb_game_data.
class GameDetailView : public QWidget {
    Q_OBJECT
  public:
    explicit GameDetailView(QWidget* parent = nullptr);

    // Empties the chooser and puts the empty texts into the boxes (their geometry stays).
    void clear();
    void set_entries(const QStringList& entries);
    // Shows a sheet (texts and geometry) with the sheet at its top.
    void show_sheet(const GameSheet& sheet);

    QLabel* lb_game_data;
    QComboBox* cb_game_data;
    QScrollArea* pt_game_data;
    QWidget* fr_game_data;
    std::array<QTextEdit*, sheet_box_count> tx_game_data;

  Q_SIGNALS:
    // The user or the program chose the game at position (stored order).
    void game_chosen(int position);

  private:
    void set_box_text(int box, const QString& text);

    ChoiceList* entries_;
    QWidget* sheet_extent_;  // what pt_game_data scrolls: the sheet and its margins
};

}  // namespace kl
