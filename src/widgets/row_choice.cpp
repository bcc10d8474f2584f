#include "row_choice.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QTreeWidget>
#include <algorithm>

namespace kl {

RowChoice::RowChoice(QAbstractItemView* list, std::function<void(int)> chosen)
    : QObject(list), list_(list), chosen_(std::move(chosen)) {
    list->viewport()->installEventFilter(this);
    list->installEventFilter(this);
    connect(list->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { current_changed(current.row()); });
}

void RowChoice::attach(QTreeWidget* list, std::function<void(int)> chosen) {
    auto* choice = new RowChoice(list, std::move(chosen));
    connect(list, &QTreeWidget::itemClicked, choice,
            [choice, list](QTreeWidgetItem* item) { choice->clicked(list->indexOfTopLevelItem(item)); });
}

void RowChoice::attach(QListWidget* list, std::function<void(int)> chosen) {
    auto* choice = new RowChoice(list, std::move(chosen));
    connect(list, &QListWidget::itemClicked, choice,
            [choice, list](QListWidgetItem* item) { choice->clicked(list->row(item)); });
}

bool RowChoice::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::FocusIn &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason) {
        mark_row_for_keys();
    }
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) &&
            list_->currentIndex().isValid()) {
            pick(list_->currentIndex().row());
            return true;
        }
        return step_from_last_pick(key);
    }
    if (event->type() == QEvent::MouseButtonPress) {
        pressing_ = true;
        press_made_current_ = false;
    }
    return false;
}

bool RowChoice::step_from_last_pick(int key) {
    if ((key != Qt::Key_Up && key != Qt::Key_Down) || list_->currentIndex().isValid() || last_pick_ < 0) {
        return false;
    }
    const int rows = list_->model()->rowCount();
    if (rows == 0) {
        return false;
    }
    // Hidden rows (the unused rows of a small-sided line-up) are stepped over.
    const int step = key == Qt::Key_Down ? 1 : -1;
    int row = last_pick_ + step;
    while (row >= 0 && row < rows && is_hidden(row)) {
        row += step;
    }
    if (row < 0 || row >= rows) {
        row = last_pick_;
    }
    list_->setCurrentIndex(list_->model()->index(std::clamp(row, 0, rows - 1), 0));
    return true;
}

bool RowChoice::is_hidden(int row) const {
    if (const auto* tree = qobject_cast<const QTreeView*>(list_)) {
        return tree->isRowHidden(row, QModelIndex());
    }
    const auto* list = qobject_cast<const QListView*>(list_);
    return list != nullptr && list->isRowHidden(row);
}

// Reached by the keys, the list marks a row (the one picked last, else the first shown) without
// picking it: the list would otherwise make its first row current, which is a pick.
void RowChoice::mark_row_for_keys() {
    const int rows = list_->model()->rowCount();
    if (list_->currentIndex().isValid() || rows == 0) {
        return;
    }
    int row = std::clamp(last_pick_, 0, rows - 1);
    while (row < rows - 1 && is_hidden(row)) {
        ++row;
    }
    marking_ = true;
    list_->selectionModel()->setCurrentIndex(list_->model()->index(row, 0), QItemSelectionModel::NoUpdate);
    marking_ = false;
}

void RowChoice::current_changed(int row) {
    if (row < 0 || marking_) {
        return;
    }
    press_made_current_ = pressing_;
    pick(row);
}

void RowChoice::clicked(int row) {
    const bool counted = pressing_ && press_made_current_;
    pressing_ = false;
    if (!counted) {
        pick(row);
    }
}

void RowChoice::pick(int row) {
    if (row < 0) {
        return;
    }
    last_pick_ = row;
    chosen_(row);
    list_->selectionModel()->clearCurrentIndex();
}

void on_entry_chosen(QComboBox* combo, const std::function<void(int)>& chosen) {
    QObject::connect(combo, &QComboBox::currentIndexChanged, combo, chosen);
    QObject::connect(combo, &QComboBox::activated, combo, chosen);
}

}  // namespace kl
