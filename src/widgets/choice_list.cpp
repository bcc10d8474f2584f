#include "choice_list.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QStringListModel>

namespace kl {

ChoiceList::ChoiceList(QObject* parent) : QObject(parent), model_(new QStringListModel(this)) {}

void ChoiceList::attach(QComboBox* combo) {
    combo->setModel(model_);
    combos_.push_back(combo);
}

void ChoiceList::set(const QStringList& entries) {
    std::vector<std::unique_ptr<QSignalBlocker>> blockers;
    for (QComboBox* combo : combos_) {
        blockers.push_back(std::make_unique<QSignalBlocker>(combo));
    }
    model_->setStringList(entries);
    for (QComboBox* combo : combos_) {
        combo->setCurrentIndex(-1);
    }
}

QStringList entries_of(const QComboBox* combo) {
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i) {
        entries.append(combo->itemText(i));
    }
    return entries;
}

}  // namespace kl
