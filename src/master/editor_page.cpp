#include "editor_page.h"

#include "line_edits.h"
#include "widgets/list_columns.h"
#include "widgets/naming.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStackedLayout>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kl {

EditorPage::EditorPage(md::DataStore& store, QWidget* parent)
    : QWidget(parent), store_(store), halves_(new QStackedLayout(this)) {}

QWidget* EditorPage::build_list_half(const QString& kind, const QStringList& headers,
                                     const std::vector<int>& widths) {
    auto* page = new QWidget(this);
    list_view_ = named(new QTreeWidget(page), QStringLiteral(u"lstv_") + kind);
    list_view_->setRootIsDecorated(false);
    list_view_->setAllColumnsShowFocus(true);
    list_view_->setHeaderLabels(headers);
    // Every field of a meeting or formation is read at a glance: the window makes room for them.
    fit_columns(list_view_, widths, ListWidth::shows_columns);
    const QString button = QStringLiteral(u"cm_") + kind;
    add_button_ = named(new QPushButton(QStringLiteral(u"追加"), page), button + QStringLiteral(u"_add"));
    change_button_ =
        named(new QPushButton(QStringLiteral(u"変更"), page), button + QStringLiteral(u"_change"));
    delete_button_ =
        named(new QPushButton(QStringLiteral(u"削除"), page), button + QStringLiteral(u"_delete"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* each : {add_button_, change_button_, delete_button_}) {
        buttons->addWidget(each);
    }
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_view_);
    layout->addLayout(buttons);
    connect(add_button_, &QPushButton::clicked, this, [this] { open_editor({}, -1); });
    connect(change_button_, &QPushButton::clicked, this, [this] { change(); });
    connect(delete_button_, &QPushButton::clicked, this, &EditorPage::remove_selected);
    return page;
}

void EditorPage::set_halves(QWidget* list, QWidget* editor, QWidget* focus) {
    list_ = list;
    editor_ = editor;
    focus_ = focus;
    halves_->addWidget(list);
    halves_->addWidget(editor);
}

void EditorPage::reset() {
    halves_->setCurrentWidget(list_);
    list_view_->clear();
    reset_editor();
}

void EditorPage::fill() {
    list_view_->clear();
    QList<QTreeWidgetItem*> items;
    for (const QStringList& cells : rows()) {
        items.append(new QTreeWidgetItem(cells));
    }
    list_view_->addTopLevelItems(items);
    list_view_->sortItems(0, Qt::AscendingOrder);
}

void EditorPage::focus_add() {
    add_button_->setFocus();
}

void EditorPage::open_editor(const QString& former_name, int position) {
    former_name_ = former_name;
    changed_position_ = position;
    halves_->setCurrentWidget(editor_);
    focus_->setFocus();
}

void EditorPage::close_editor() {
    halves_->setCurrentWidget(list_);
    reset_editor();
}

void EditorPage::store_edited_line(const QString& line) {
    switch (store_line(store_, lines(), changed_position_, line)) {
        case SaveOutcome::saved:
            close_editor();
            fill();
            break;
        case SaveOutcome::reloaded:
            emit team_file_reloaded();
            break;
        case SaveOutcome::not_saved:
            break;
    }
}

QString EditorPage::selected_name() const {
    const QList<QTreeWidgetItem*> selected = list_view_->selectedItems();
    return selected.isEmpty() ? QString() : selected.front()->text(0);
}

int EditorPage::selected_position() const {
    const QString name = selected_name();
    return name.isEmpty() ? -1 : static_cast<int>(names().indexOf(name));
}

void EditorPage::remove_selected() {
    const int position = selected_position();
    if (position < 0) {
        return;
    }
    const LineRemoval removal = remove_line(store_, lines(), position);
    if (removal.reloaded) {
        emit team_file_reloaded();
    }
    if (removal.outcome == SaveOutcome::saved) {
        fill();
    }
}

}  // namespace kl
