#include "name_page.h"

#include "store/master_lists.h"
#include "store/text_order.h"
#include "widgets/message_box.h"
#include "widgets/store_actions.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

namespace kl {
namespace {

struct PageNames {
    const char16_t* list;
    const char16_t* entry;
    const char16_t* add;
    const char16_t* remove;
    const char16_t* list_label;
    const char16_t* entry_label;
};

PageNames names_of(NameList list) {
    switch (list) {
        case NameList::members:
            return {u"lst_member",       u"tx_member",         u"cm_member_add",
                    u"cm_member_delete", u"登録 - メンバー名", u"追加 - メンバー名"};
        case NameList::grounds:
            return {u"lst_ground",       u"tx_ground",     u"cm_ground_add",
                    u"cm_ground_delete", u"登録 - 場所名", u"追加 - 場所名"};
        case NameList::opponents:
            break;
    }
    return {u"lst_team",       u"tx_team",           u"cm_team_add",
            u"cm_team_delete", u"登録 - 対戦相手名", u"追加 - 対戦相手名"};
}

QString text(const char16_t* utf16) {
    return QString::fromUtf16(utf16);
}

}  // namespace

NamePage::NamePage(NameList list, md::DataStore& store, QWidget* parent)
    : QWidget(parent),
      list_box(new QListWidget(this)),
      entry(new QLineEdit(this)),
      add_button(new QPushButton(QStringLiteral(u"追加"), this)),
      delete_button(new QPushButton(QStringLiteral(u"削除"), this)),
      kind_(list),
      store_(store) {
    const PageNames names = names_of(list);
    list_box->setObjectName(text(names.list));
    entry->setObjectName(text(names.entry));
    add_button->setObjectName(text(names.add));
    delete_button->setObjectName(text(names.remove));

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(text(names.list_label), this), 0, 0);
    layout->addWidget(list_box, 1, 0, 3, 1);
    layout->addWidget(new QLabel(text(names.entry_label), this), 0, 1, 1, 2);
    layout->addWidget(entry, 1, 1, 1, 2);
    layout->addWidget(add_button, 2, 1);
    layout->addWidget(delete_button, 2, 2);
    layout->setRowStretch(3, 1);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 1);

    connect(add_button, &QPushButton::clicked, this, &NamePage::add);
    connect(entry, &QLineEdit::returnPressed, this, &NamePage::add);
    connect(delete_button, &QPushButton::clicked, this, &NamePage::remove);
}

QString& NamePage::stored_line() {
    switch (kind_) {
        case NameList::members:
            return store_.member_list;
        case NameList::grounds:
            return store_.ground_list;
        case NameList::opponents:
            break;
    }
    return store_.opponent_list;
}

void NamePage::reset() {
    list_box->clear();
    entry->clear();
}

void NamePage::fill() {
    QStringList names = md::split_list(stored_line());
    md::sort_texts(names);
    show_names(names, -1);
}

void NamePage::focus_entry() {
    entry->setFocus();
}

QStringList NamePage::listed() const {
    QStringList names;
    for (int i = 0; i < list_box->count(); ++i) {
        names.append(list_box->item(i)->text());
    }
    return names;
}

void NamePage::show_names(const QStringList& names, int selected) {
    list_box->clear();
    list_box->addItems(names);
    list_box->setCurrentRow(selected);
}

void NamePage::add() {
    const QString name = entry->text();
    if (name.isEmpty()) {
        return;
    }
    QStringList names = listed();
    if (const std::optional<md::UserMessage> refusal = check_new_name(kind_, name, names)) {
        show_message(*refusal);
        entry->setFocus();
        return;
    }
    const QString before = stored_line();
    stored_line() = md::line_with_name(before, names.isEmpty(), name);
    if (!save_line(before)) {
        return;
    }
    // The selection stays with the name it was on, so 削除 never takes the new name unasked.
    const QList<QListWidgetItem*> chosen = list_box->selectedItems();
    const QString selected_name = chosen.isEmpty() ? QString() : chosen.front()->text();
    insert_sorted(names, name);
    show_names(names, chosen.isEmpty() ? -1 : static_cast<int>(names.indexOf(selected_name)));
    entry->clear();
    entry->setFocus();
}

void NamePage::remove() {
    QStringList names = listed();
    const QList<QListWidgetItem*> chosen = list_box->selectedItems();
    int selected = chosen.isEmpty() ? -1 : list_box->row(chosen.front());
    if (selected >= 0) {
        names.removeAt(selected);
        selected = std::min(selected, static_cast<int>(names.size()) - 1);
    }
    // The line is written again from the list, so after a deletion it is in the list's order.
    const QString before = stored_line();
    stored_line() = names.join(u',');
    if (!save_line(before)) {
        fill();
        return;
    }
    show_names(names, selected);
}

bool NamePage::save_line(const QString& before) {
    switch (save_or_report(store_)) {
        case SaveOutcome::saved:
            return true;
        case SaveOutcome::not_saved:
            stored_line() = before;
            break;
        case SaveOutcome::reloaded:
            emit team_file_reloaded();
            break;
    }
    return false;
}

}  // namespace kl
