#include "row_choice.h"

#include <QEvent>
#include <QListWidget>
#include <QTreeWidget>

namespace kl {

RowChoice::RowChoice(QAbstractItemView* list, std::function<void(int)> chosen)
    : QObject(list), list_(list), chosen_(std::move(chosen)) {
    list->viewport()->installEventFilter(this);
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

bool RowChoice::eventFilter(QObject* /*watched*/, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        pressing_ = true;
        press_made_current_ = false;
    }
    return false;
}

void RowChoice::current_changed(int row) {
    if (row < 0) {
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
    chosen_(row);
    list_->selectionModel()->clearCurrentIndex();
}

}  // namespace kl
