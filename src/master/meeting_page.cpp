#include "meeting_page.h"

#include "store/master_lists.h"
#include "widgets/message_box.h"
#include "widgets/naming.h"
#include "widgets/row_choice.h"
#include "widgets/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStackedLayout>
#include <QTreeWidget>
#include <algorithm>

namespace kl {
namespace {

constexpr std::array<int, 2> limits = {game_time_limit, extra_time_limit};
constexpr std::array<int, 2> defaults = {90, 30};

}  // namespace

MeetingPage::MeetingPage(md::DataStore& store, QWidget* parent) : EditorPage(store, parent) {
    QWidget* list =
        build_list_half(QStringLiteral(u"meeting"),
                        {QStringLiteral(u"大会名"), QStringLiteral(u"試合時間"), QStringLiteral(u"延長"),
                         QStringLiteral(u"延長方式"), QStringLiteral(u"延長時間"), QStringLiteral(u"PK戦")},
                        {3000, 1000, 600, 2000, 1000, 600});
    lstv_meeting = list_view_;
    cm_meeting_add = add_button_;
    cm_meeting_change = change_button_;
    cm_meeting_delete = delete_button_;
    fr_meeting_set = build_editor();
    set_halves(list, fr_meeting_set, tx_meeting);
    reset();
}

QWidget* MeetingPage::time_row(int index, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    cm_meeting_down2[static_cast<size_t>(index)] =
        named(new QPushButton(QStringLiteral(u"<<"), row), indexed(u"cm_meeting_down2", index));
    cm_meeting_down[static_cast<size_t>(index)] =
        named(new QPushButton(QStringLiteral(u"<"), row), indexed(u"cm_meeting_down", index));
    auto* box = named(new QLineEdit(row), indexed(u"tx_meeting_time", index));
    // Typed minutes are digits only, kept within the box's limit.
    box->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral(u"\\d{0,2}")), box));
    box->setFixedWidth(px(600));
    box->setAlignment(Qt::AlignRight);
    connect(box, &QLineEdit::editingFinished, this,
            [this, index, box] { box->setText(QString::number(time_value(index))); });
    tx_meeting_time[static_cast<size_t>(index)] = box;
    cm_meeting_up[static_cast<size_t>(index)] =
        named(new QPushButton(QStringLiteral(u">"), row), indexed(u"cm_meeting_up", index));
    cm_meeting_up2[static_cast<size_t>(index)] =
        named(new QPushButton(QStringLiteral(u">>"), row), indexed(u"cm_meeting_up2", index));
    auto* minutes = new QLabel(QStringLiteral(u"分"), row);
    const std::pair<QPushButton*, Step> steppers[] = {
        {cm_meeting_down2[static_cast<size_t>(index)], Step::down_ten},
        {cm_meeting_down[static_cast<size_t>(index)], Step::down_one},
        {cm_meeting_up[static_cast<size_t>(index)], Step::up_one},
        {cm_meeting_up2[static_cast<size_t>(index)], Step::up_ten}};
    for (const auto& [button, step_kind] : steppers) {
        button->setFixedWidth(px(450));
        connect(button, &QPushButton::clicked, this,
                [this, index, step_kind = step_kind] { step(index, step_kind); });
    }
    layout->addWidget(steppers[0].first);
    layout->addWidget(steppers[1].first);
    layout->addWidget(box);
    layout->addWidget(minutes);
    layout->addWidget(steppers[2].first);
    layout->addWidget(steppers[3].first);
    layout->addStretch();
    if (index == 1) {
        extra_time_controls_ = {box, minutes};
        for (const auto& stepper : steppers) {
            extra_time_controls_.push_back(stepper.first);
        }
    }
    return row;
}

QWidget* MeetingPage::build_editor() {
    auto* editor = named(new QWidget(this), QStringLiteral(u"fr_meeting_set"));
    tx_meeting = named(new QLineEdit(editor), QStringLiteral(u"tx_meeting"));
    ck_ex = named(new QCheckBox(QStringLiteral(u"延長戦"), editor), QStringLiteral(u"ck_ex"));
    cb_ex = named(new QComboBox(editor), QStringLiteral(u"cb_ex"));
    for (const QString& mode : extra_time_modes()) {
        cb_ex->addItem(mode);
    }
    cb_ex->setCurrentIndex(-1);
    tx_ex = named(new QLineEdit(editor), QStringLiteral(u"tx_ex"));
    tx_ex->setReadOnly(true);
    ck_pk = named(new QCheckBox(QStringLiteral(u"PK戦"), editor), QStringLiteral(u"ck_pk"));
    cm_meeting_ok = named(new QPushButton(QStringLiteral(u"OK"), editor), QStringLiteral(u"cm_meeting_ok"));
    cm_meeting_cancel =
        named(new QPushButton(QStringLiteral(u"キャンセル"), editor), QStringLiteral(u"cm_meeting_cancel"));
    auto* mode_label = new QLabel(QStringLiteral(u"延長方式"), editor);

    auto* layout = new QGridLayout(editor);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral(u"大会名"), editor), 0, 0);
    layout->addWidget(tx_meeting, 0, 1, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral(u"試合時間"), editor), 1, 0);
    layout->addWidget(time_row(0, editor), 1, 1, 1, 2);
    layout->addWidget(ck_ex, 2, 0);
    layout->addWidget(time_row(1, editor), 2, 1, 1, 2);
    layout->addWidget(mode_label, 3, 0);
    layout->addWidget(cb_ex, 3, 1);
    layout->addWidget(tx_ex, 4, 1, 1, 2);
    layout->addWidget(ck_pk, 5, 0);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cm_meeting_ok);
    buttons->addWidget(cm_meeting_cancel);
    layout->addLayout(buttons, 6, 0, 1, 3);
    layout->setRowStretch(5, 1);
    layout->setColumnStretch(2, 1);

    extra_time_controls_.insert(extra_time_controls_.end(), {mode_label, cb_ex, tx_ex});
    connect(ck_ex, &QCheckBox::toggled, this, [this](bool checked) {
        for (QWidget* control : extra_time_controls_) {
            control->setEnabled(checked);
        }
    });
    on_entry_chosen(cb_ex, [this](int index) { tx_ex->setText(mode_description(index)); });
    connect(cm_meeting_ok, &QPushButton::clicked, this, &MeetingPage::accept);
    connect(cm_meeting_cancel, &QPushButton::clicked, this, [this] { close_editor(); });
    return editor;
}

void MeetingPage::reset_editor() {
    tx_meeting->clear();
    tx_meeting_time[0]->setText(QString::number(defaults[0]));
    tx_meeting_time[1]->setText(QString::number(defaults[1]));
    ck_ex->setChecked(false);
    ck_pk->setChecked(false);
    for (QWidget* control : extra_time_controls_) {
        control->setEnabled(false);
    }
}

QStringList& MeetingPage::lines() {
    return store_.meeting_lines;
}

QStringList MeetingPage::names() const {
    QStringList names;
    for (const md::Meeting& meeting : store_.meetings()) {
        names.append(meeting.name);
    }
    return names;
}

std::vector<QStringList> MeetingPage::rows() const {
    std::vector<QStringList> rows;
    for (const md::Meeting& meeting : store_.meetings()) {
        rows.push_back({meeting.name, meeting.game_time, meeting.extra_time, meeting.extra_mode,
                        meeting.extra_length, meeting.shoot_out});
    }
    return rows;
}

void MeetingPage::change() {
    if (lstv_meeting->topLevelItemCount() == 0) {
        return;
    }
    if (selected_name().isEmpty()) {
        show_message(
            {QStringLiteral(u"選択ミス"), QStringLiteral(u"リストから　「大会名」　を選択して下さい。")});
        lstv_meeting->setFocus();
        return;
    }
    const int position = selected_position();
    if (position < 0) {
        return;
    }
    show_draft(meeting_draft(md::parse_meeting_line(store_.meeting_lines[position]), cb_ex->currentIndex()));
    open_editor(selected_name(), position);
}

void MeetingPage::accept() {
    const MeetingDraft chosen = draft();
    if (const std::optional<Refusal<MeetingField>> refusal = check_meeting(chosen, names(), former_name_)) {
        show_message(refusal->message);
        (refusal->focus == MeetingField::name ? static_cast<QWidget*>(tx_meeting) : cb_ex)->setFocus();
        return;
    }
    store_edited_line(compose_meeting_line(chosen));
}

int MeetingPage::time_value(int index) const {
    return std::clamp(tx_meeting_time[static_cast<size_t>(index)]->text().toInt(), 0,
                      limits[static_cast<size_t>(index)]);
}

void MeetingPage::step(int index, Step step_kind) {
    tx_meeting_time[static_cast<size_t>(index)]->setText(
        QString::number(stepped_time(time_value(index), step_kind, limits[static_cast<size_t>(index)])));
}

MeetingDraft MeetingPage::draft() const {
    return {tx_meeting->text(),    time_value(0), ck_ex->isChecked(),
            cb_ex->currentIndex(), time_value(1), ck_pk->isChecked()};
}

void MeetingPage::show_draft(const MeetingDraft& draft) {
    tx_meeting->setText(draft.name);
    tx_meeting_time[0]->setText(QString::number(draft.game_time));
    tx_meeting_time[1]->setText(QString::number(draft.extra_length));
    ck_ex->setChecked(draft.extra_time);
    cb_ex->setCurrentIndex(draft.mode_index);
    tx_ex->setText(mode_description(draft.mode_index));
    ck_pk->setChecked(draft.shoot_out);
}

}  // namespace kl
