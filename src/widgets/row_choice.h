#pragma once

#include <QObject>
#include <functional>

class QAbstractItemView;
class QComboBox;
class QListWidget;
class QTreeWidget;

namespace kl {

// A list whose rows are picks: chosen(row) runs when a click, the keys or the program make a row
// current, and on a click signal alone. A mouse click that also makes its row current counts once.
// After each pick the list keeps its highlight but forgets its current row, so picking the same row
// again is a new pick however it is made. Tab into the list picks nothing: it marks a row, which
// Space or Enter picks (and the arrow keys pick their rows, as ever).
class RowChoice : public QObject {
    Q_OBJECT
  public:
    static void attach(QTreeWidget* list, std::function<void(int)> chosen);
    static void attach(QListWidget* list, std::function<void(int)> chosen);

  private:
    RowChoice(QAbstractItemView* list, std::function<void(int)> chosen);
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Up and Down move from the row picked last, as the list has no current row after a pick.
    bool step_from_last_pick(int key);
    bool is_hidden(int row) const;
    void mark_row_for_keys();
    void current_changed(int row);
    void clicked(int row);
    void pick(int row);

    QAbstractItemView* list_;
    std::function<void(int)> chosen_;
    int last_pick_ = -1;
    bool pressing_ = false;
    bool press_made_current_ = false;
    bool marking_ = false;  // a row made current without a pick
};

// chosen(index) runs when an entry of combo is picked, by the user (the same entry again too) or
// by the program. A pick that changes the entry runs it twice, so chosen must not mind repeating.
void on_entry_chosen(QComboBox* combo, const std::function<void(int)>& chosen);

}  // namespace kl
