#include "name_page.h"

#include "fm_name_import.h"
#include "name_import.h"
#include "store/master_lists.h"
#include "store/text_file.h"
#include "store/text_order.h"
#include "widgets/message_box.h"
#include "widgets/store_actions.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
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
    const char16_t* import;
    const char16_t* export_;
};

PageNames names_of(NameList list) {
    switch (list) {
        case NameList::members:
            return {u"lst_member",        u"tx_member",         u"cm_member_add",    u"cm_member_delete",
                    u"登録 - メンバー名", u"追加 - メンバー名", u"cm_member_import", u"cm_member_export"};
        case NameList::grounds:
            return {u"lst_ground",    u"tx_ground",     u"cm_ground_add",    u"cm_ground_delete",
                    u"登録 - 場所名", u"追加 - 場所名", u"cm_ground_import", u"cm_ground_export"};
        case NameList::opponents:
            break;
    }
    return {u"lst_team",          u"tx_team",           u"cm_team_add",    u"cm_team_delete",
            u"登録 - 対戦相手名", u"追加 - 対戦相手名", u"cm_team_import", u"cm_team_export"};
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
      import_button(new QPushButton(QStringLiteral(u"読み込み..."), this)),
      export_button(new QPushButton(QStringLiteral(u"書き出し..."), this)),
      kind_(list),
      store_(store) {
    const PageNames names = names_of(list);
    list_box->setObjectName(text(names.list));
    entry->setObjectName(text(names.entry));
    add_button->setObjectName(text(names.add));
    delete_button->setObjectName(text(names.remove));
    import_button->setObjectName(text(names.import));
    export_button->setObjectName(text(names.export_));

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(text(names.list_label), this), 0, 0);
    layout->addWidget(list_box, 1, 0, 4, 1);
    layout->addWidget(new QLabel(text(names.entry_label), this), 0, 1, 1, 2);
    layout->addWidget(entry, 1, 1, 1, 2);
    layout->addWidget(add_button, 2, 1);
    layout->addWidget(delete_button, 2, 2);
    layout->addWidget(import_button, 3, 1);
    layout->addWidget(export_button, 3, 2);
    layout->setRowStretch(4, 1);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 1);

    connect(add_button, &QPushButton::clicked, this, &NamePage::add);
    connect(entry, &QLineEdit::returnPressed, this, &NamePage::add);
    connect(delete_button, &QPushButton::clicked, this, &NamePage::remove);
    connect(import_button, &QPushButton::clicked, this, &NamePage::import_names);
    connect(export_button, &QPushButton::clicked, this, &NamePage::export_names);
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

void NamePage::import_names() {
    auto* dialog = new fm_name_import(kind_, listed(), window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    connect(dialog, &QDialog::accepted, this, [this, dialog] { add_names(dialog->names_to_add()); });
    dialog->open();
}

void NamePage::add_names(const QStringList& names) {
    if (names.isEmpty()) {
        return;
    }
    const QString before = stored_line();
    stored_line() = line_with_names(before, names);
    if (save_line(before)) {
        fill();
    }
}

void NamePage::export_names() {
    const QString offered =
        QDir::current().filePath(names_export_file(kind_, store_.team_name, QDate::currentDate()));
    QFileDialog dialog(window(), QStringLiteral(u"書き出し"), offered, QStringLiteral(u"CSV (*.csv)"));
    dialog.setObjectName(QStringLiteral(u"save_dialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral(u"csv"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        export_to(dialog.selectedFiles().front());
    }
}

void NamePage::export_to(const QString& path) {
    const md::WriteResult written = md::write_whole_file(path, names_export_bytes(kind_, listed()));
    if (!written.ok) {
        show_message(md::SaveResult{false, QDir::toNativeSeparators(path), written.reason}.message());
    }
}

}  // namespace kl
