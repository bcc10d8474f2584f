#include "statistics_controls.h"

#include "widgets/choice_list.h"
#include "widgets/naming.h"
#include "widgets/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <vector>

namespace kl {

void share_filter_choices(const SharedChoices& choices, const std::array<QComboBox*, 2>& keys,
                          QComboBox* meeting) {
    choices.periods->attach(keys[0]);
    choices.periods->attach(keys[1]);
    choices.meetings->attach(meeting);
}

QComboBox* selection_combo(QWidget* parent, const QString& name, int width) {
    auto* combo = named(new QComboBox(parent), name);
    combo->setFixedWidth(px(width));
    combo->setEnabled(false);
    return combo;
}

QHBoxLayout* centred(QWidget* bar) {
    bar->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(bar);
    row->addStretch();
    return row;
}

void govern(QCheckBox* box, std::initializer_list<QWidget*> governed) {
    const std::vector<QWidget*> controls(governed);
    QObject::connect(box, &QCheckBox::toggled, box, [controls](bool checked) {
        for (QWidget* control : controls) {
            control->setEnabled(checked);
        }
    });
}

StatsFilter filter_of(const QCheckBox* period, const std::array<QComboBox*, 2>& keys,
                      const QCheckBox* meeting, const QComboBox* meeting_name) {
    return {period->isChecked(), keys[0]->currentText(), keys[1]->currentText(), meeting->isChecked(),
            meeting_name->currentText()};
}

std::optional<FilterTexts> show_filter_texts(const StatsFilter& filter, const std::array<QComboBox*, 2>& keys,
                                             QComboBox* meeting, int stored_games) {
    std::optional<FilterTexts> texts =
        filter_texts(filter, entries_of(keys[0]), entries_of(meeting), stored_games);
    if (texts && texts->from_entry) {
        keys[0]->setCurrentIndex(*texts->from_entry);
        keys[1]->setCurrentIndex(*texts->to_entry);
    }
    if (texts && texts->meeting_entry) {
        meeting->setCurrentIndex(*texts->meeting_entry);
    }
    return texts;
}

}  // namespace kl
