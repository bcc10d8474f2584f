#include "editor_page.h"

#include <QStackedLayout>

namespace kl {

EditorPage::EditorPage(QWidget* parent) : QWidget(parent), halves_(new QStackedLayout(this)) {}

void EditorPage::set_halves(QWidget* list, QWidget* editor, QWidget* focus) {
    list_ = list;
    editor_ = editor;
    focus_ = focus;
    halves_->addWidget(list);
    halves_->addWidget(editor);
}

void EditorPage::open_editor(const QString& former_name, int position) {
    former_name_ = former_name;
    changed_position_ = position;
    halves_->setCurrentWidget(editor_);
    focus_->setFocus();
}

void EditorPage::close_editor() {
    show_list();
    reset_editor();
}

void EditorPage::show_list() {
    halves_->setCurrentWidget(list_);
}

}  // namespace kl
