#include "formation_page.h"

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
FormationPage::FormationPage(md::DataStore& store, QWidget* parent) : EditorPage(store, parent) {
    QStringList headers = {QStringLiteral(u"フォーメーション名")};
    for (const QString& position : md::words::outfield_positions) {
        headers.append(position);
    }
    QWidget* list = build_list_half(QStringLiteral(u"formation"), headers,
                                    {1700, 500, 500, 500, 500, 500, 500, 500, 500, 500});
    lstv_formation = list_view_;
    cm_formation_add = add_button_;
    cm_formation_change = change_button_;
    cm_formation_delete = delete_button_;
    fr_formation_set = build_editor();
    set_halves(list, fr_formation_set, tx_formation_name);
    reset();
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

void FormationPage::reset_editor() {
    tx_formation_name->clear();
    for (QLineEdit* box : tx_formation) {
        box->setText(QStringLiteral(u"0"));
    }
}

QStringList& FormationPage::lines() {
    return store_.formation_lines;
}

QStringList FormationPage::names() const {
    QStringList names;
    for (const md::Formation& formation : store_.formations()) {
        names.append(formation.name);
    }
    return names;
}

std::vector<QStringList> FormationPage::rows() const {
    std::vector<QStringList> rows;
    for (const md::Formation& formation : store_.formations()) {
        rows.push_back(QStringList{formation.name} +
                       QStringList(formation.counts.begin(), formation.counts.end()));
    }
    return rows;
}

void FormationPage::change() {
    const int position = selected_position();
    if (position < 0) {
        return;
    }
    const md::Formation stored = md::parse_formation_line(store_.formation_lines[position]);
    tx_formation_name->setText(stored.name);
    for (size_t index = 0; index < stored.counts.size(); ++index) {
        tx_formation[index]->setText(stored.counts[index]);
    }
    open_editor(stored.name, position);
}

void FormationPage::accept() {
    const FormationDraft chosen = draft();
    if (const std::optional<Refusal<FormationField>> refusal =
            check_formation(chosen, names(), former_name_, store_.small_sided_games)) {
        show_message(refusal->message);
        (refusal->focus == FormationField::name ? static_cast<QWidget*>(tx_formation_name) : cm_up[0])
            ->setFocus();
        return;
    }
    store_edited_line(compose_formation_line(chosen));
}

FormationDraft FormationPage::draft() const {
    FormationDraft result{tx_formation_name->text(), {}};
    for (size_t index = 0; index < result.counts.size(); ++index) {
        result.counts[index] = tx_formation[index]->text().toInt();
    }
    return result;
}

}  // namespace kl
