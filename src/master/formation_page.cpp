#include "formation_page.h"

#include "line_edits.h"
#include "store/master_lists.h"
#include "store/vocabulary.h"
#include "widgets/message_box.h"
#include "widgets/naming.h"
#include "widgets/twips.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedLayout>
#include <QTreeWidget>

namespace kl {
FormationPage::FormationPage(md::DataStore& store, QWidget* parent) : EditorPage(parent), store_(store) {
    QWidget* list = build_list_page();
    fr_formation_set = build_editor();
    set_halves(list, fr_formation_set, tx_formation_name);
    reset();
}

QWidget* FormationPage::build_list_page() {
    auto* page = new QWidget(this);
    lstv_formation = named(new QTreeWidget(page), QStringLiteral(u"lstv_formation"));
    lstv_formation->setRootIsDecorated(false);
    lstv_formation->setAllColumnsShowFocus(true);
    QStringList headers = {QStringLiteral(u"フォーメーション名")};
    for (const QString& position : md::words::outfield_positions) {
        headers.append(position);
    }
    lstv_formation->setHeaderLabels(headers);
    lstv_formation->setColumnWidth(0, column_width(lstv_formation, 1700));
    for (int column = 1; column < 10; ++column) {
        lstv_formation->setColumnWidth(column, column_width(lstv_formation, 500));
    }
    lstv_formation->header()->setStretchLastSection(false);
    cm_formation_add =
        named(new QPushButton(QStringLiteral(u"追加"), page), QStringLiteral(u"cm_formation_add"));
    cm_formation_change =
        named(new QPushButton(QStringLiteral(u"変更"), page), QStringLiteral(u"cm_formation_change"));
    cm_formation_delete =
        named(new QPushButton(QStringLiteral(u"削除"), page), QStringLiteral(u"cm_formation_delete"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {cm_formation_add, cm_formation_change, cm_formation_delete}) {
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lstv_formation);
    layout->addLayout(buttons);
    connect(cm_formation_add, &QPushButton::clicked, this, [this] { open_editor({}, -1); });
    connect(cm_formation_change, &QPushButton::clicked, this, &FormationPage::change);
    connect(cm_formation_delete, &QPushButton::clicked, this, &FormationPage::remove);
    return page;
}

QWidget* FormationPage::count_row(int index, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(md::words::outfield_positions[static_cast<size_t>(index)], row);
    label->setFixedWidth(px(400));
    auto* down = named(new QPushButton(QStringLiteral(u"<"), row), indexed(u"cm_down", index));
    auto* box = named(new QLineEdit(row), indexed(u"tx_formation", index));
    auto* up = named(new QPushButton(QStringLiteral(u">"), row), indexed(u"cm_up", index));
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignCenter);
    box->setFixedWidth(px(450));
    down->setFixedWidth(px(360));
    up->setFixedWidth(px(360));
    for (auto [button, up_button] : {std::pair{down, false}, std::pair{up, true}}) {
        connect(button, &QPushButton::clicked, this, [box, up_button = up_button] {
            box->setText(QString::number(stepped_count(box->text().toInt(), up_button)));
        });
    }
    layout->addWidget(label);
    layout->addWidget(down);
    layout->addWidget(box);
    layout->addWidget(up);
    tx_formation[static_cast<size_t>(index)] = box;
    cm_down[static_cast<size_t>(index)] = down;
    cm_up[static_cast<size_t>(index)] = up;
    return row;
}

QWidget* FormationPage::build_editor() {
    auto* editor = named(new QWidget(this), QStringLiteral(u"fr_formation_set"));
    tx_formation_name = named(new QLineEdit(editor), QStringLiteral(u"tx_formation_name"));
    tx_gk = named(new QLineEdit(QStringLiteral(u"1"), editor), QStringLiteral(u"tx_gk"));
    tx_gk->setReadOnly(true);
    tx_gk->setAlignment(Qt::AlignCenter);
    tx_gk->setFixedWidth(px(450));
    cm_formation_ok =
        named(new QPushButton(QStringLiteral(u"OK"), editor), QStringLiteral(u"cm_formation_ok"));
    cm_formation_cancel =
        named(new QPushButton(QStringLiteral(u"キャンセル"), editor), QStringLiteral(u"cm_formation_cancel"));

    // The groups by line: FW (CF, WF), MF (OH, SH, CH, DH), DF (CB, SB, SW), GK.
    const std::pair<const char16_t*, std::pair<int, int>> groups[] = {
        {u"FW", {0, 2}}, {u"MF", {2, 6}}, {u"DF", {6, 9}}};
    auto* lines = new QHBoxLayout;
    for (const auto& [title, range] : groups) {
        auto* group = new QGroupBox(QString::fromUtf16(title), editor);
        auto* column = new QVBoxLayout(group);
        for (int index = range.first; index < range.second; ++index) {
            column->addWidget(count_row(index, group));
        }
        column->addStretch();
        lines->addWidget(group);
    }
    auto* keeper = new QGroupBox(QStringLiteral(u"GK"), editor);
    auto* keeper_row = new QHBoxLayout(keeper);
    keeper_row->addWidget(new QLabel(QStringLiteral(u"GK"), keeper));
    keeper_row->addWidget(tx_gk);
    lines->addWidget(keeper, 0, Qt::AlignTop);

    auto* name_row = new QHBoxLayout;
    name_row->addWidget(new QLabel(QStringLiteral(u"フォーメーション名"), editor));
    name_row->addWidget(tx_formation_name, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cm_formation_ok);
    buttons->addWidget(cm_formation_cancel);
    auto* layout = new QVBoxLayout(editor);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(name_row);
    layout->addLayout(lines);
    layout->addLayout(buttons);
    connect(cm_formation_ok, &QPushButton::clicked, this, &FormationPage::accept);
    connect(cm_formation_cancel, &QPushButton::clicked, this, [this] { close_editor(); });
    return editor;
}

void FormationPage::reset() {
    show_list();
    lstv_formation->clear();
    reset_editor();
}

void FormationPage::reset_editor() {
    tx_formation_name->clear();
    for (QLineEdit* box : tx_formation) {
        box->setText(QStringLiteral(u"0"));
    }
}

void FormationPage::fill() {
    store_.rebuild_formation_fields();
    lstv_formation->clear();
    QList<QTreeWidgetItem*> rows;
    for (const md::Formation& formation : md::formations_from_fields(store_.formation_fields)) {
        QStringList cells = {formation.name};
        cells += QStringList(formation.counts.begin(), formation.counts.end());
        rows.append(new QTreeWidgetItem(cells));
    }
    lstv_formation->addTopLevelItems(rows);
    lstv_formation->sortItems(0, Qt::AscendingOrder);
}

void FormationPage::focus_add() {
    cm_formation_add->setFocus();
}

QStringList FormationPage::formation_names() const {
    QStringList names;
    for (const md::Formation& formation : md::formations_from_fields(store_.formation_fields)) {
        names.append(formation.name);
    }
    return names;
}

void FormationPage::change() {
    const QList<QTreeWidgetItem*> selected = lstv_formation->selectedItems();
    if (selected.isEmpty() || selected.front()->text(0).isEmpty()) {
        return;
    }
    const int position = static_cast<int>(formation_names().indexOf(selected.front()->text(0)));
    if (position < 0) {
        return;
    }
    const QStringList fields = store_.formation_lines[position].split(u',');
    tx_formation_name->setText(fields.value(0));
    for (int index = 0; index < 9; ++index) {
        tx_formation[static_cast<size_t>(index)]->setText(fields.value(index + 1));
    }
    open_editor(fields.value(0), position);
}

void FormationPage::remove() {
    const QList<QTreeWidgetItem*> selected = lstv_formation->selectedItems();
    const int position =
        selected.isEmpty() ? -1 : static_cast<int>(formation_names().indexOf(selected.front()->text(0)));
    if (position < 0) {
        return;
    }
    const LineRemoval removal = remove_line(store_, store_.formation_lines, position);
    if (removal.reloaded) {
        emit team_file_reloaded();
    }
    if (removal.saved) {
        fill();
    }
}

void FormationPage::accept() {
    const FormationDraft chosen = draft();
    if (const std::optional<Refusal<FormationField>> refusal =
            check_formation(chosen, formation_names(), former_name_)) {
        show_message(refusal->message);
        (refusal->focus == FormationField::name ? static_cast<QWidget*>(tx_formation_name) : cm_up[0])
            ->setFocus();
        return;
    }
    if (store_line(store_, store_.formation_lines, changed_position_, compose_formation_line(chosen))) {
        close_editor();
        fill();
    }
}

FormationDraft FormationPage::draft() const {
    FormationDraft result{tx_formation_name->text(), {}};
    for (size_t index = 0; index < result.counts.size(); ++index) {
        result.counts[index] = tx_formation[index]->text().toInt();
    }
    return result;
}

}  // namespace kl
