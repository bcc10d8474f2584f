#pragma once

#include <QObject>
#include <QStringList>
#include <vector>

class QComboBox;
class QStringListModel;

namespace kl {

// One list of entries shown by several selection-only combos: filling it once fills them all,
// which keeps refreshing long lists cheap.
class ChoiceList : public QObject {
  public:
    explicit ChoiceList(QObject* parent = nullptr);

    void attach(QComboBox* combo);
    // Replaces the entries; afterwards no combo has an entry selected, and none signals a change.
    void set(const QStringList& entries);

  private:
    QStringListModel* model_;
    std::vector<QComboBox*> combos_;
};

// The entries of a combo box, in its order.
QStringList entries_of(const QComboBox* combo);

}  // namespace kl
