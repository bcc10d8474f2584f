#pragma once

#include "main_view.h"
#include "reports/game_sheet.h"
#include "store/data_store.h"
#include "store/game_record.h"

#include <array>
#include <optional>

class QComboBox;
class QLabel;
class QScrollArea;
class QTextEdit;

namespace kl {

class ChoiceList;

// View 1 of the main window: one game as a score sheet, chosen in cb_game_data.
class GameDetailView : public MainView {
    Q_OBJECT
  public:
    explicit GameDetailView(const md::DataStore& store, QWidget* parent = nullptr);

    // Empties the chooser and puts the empty texts into the boxes (their geometry stays).
    void clear();
    void set_entries(const QStringList& entries);
    // Chooses the game at a stored position, which the sheet then shows; the chooser takes the focus.
    void choose_game(int position);
    // The stored position of the chosen game, and the game.
    std::optional<int> chosen_position() const;
    std::optional<md::GameRecord> chosen_game() const;

    QString copy_text() const override;
    std::optional<PrintDocument> print_document(const QDate& today) const override;
    // The chosen game's day.
    QDate output_day(const QDate& today) const override;

    QLabel* lb_game_data;
    QComboBox* cb_game_data;
    QScrollArea* pt_game_data;
    QWidget* fr_game_data;
    std::array<QTextEdit*, sheet_box_count> tx_game_data;

  private:
    // Shows a sheet (texts and geometry) with the sheet at its top.
    void show_sheet(const GameSheet& sheet);
    void set_box_text(int box, const QString& text);

    const md::DataStore& store_;
    ChoiceList* entries_;
    QWidget* sheet_extent_;  // what pt_game_data scrolls: the sheet and its margins
};

}  // namespace kl
