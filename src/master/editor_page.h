#pragma once

#include "store/data_store.h"

#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

class QPushButton;
class QStackedLayout;
class QTreeWidget;

namespace kl {

// A page of stored lines (formations, meetings): a list of them with 追加, 変更 and 削除, which
// gives way to an editor while a line is added or changed.
class EditorPage : public QWidget {
    Q_OBJECT
  public:
    EditorPage(md::DataStore& store, QWidget* parent = nullptr);

    // The list shown again, emptied, and the editor reset.
    void reset();
    // The list filled from the store, sorted by name.
    void fill();
    void focus_add();

  Q_SIGNALS:
    // The store was loaded again from the file: after a deletion, or when a save kept the version
    // another program had written.
    void team_file_reloaded();

  protected:
    // The list half, its controls named after kind ("formation": lstv_formation, cm_formation_add,
    // cm_formation_change, cm_formation_delete); widths in twips.
    QWidget* build_list_half(const QString& kind, const QStringList& headers, const std::vector<int>& widths);
    // The two halves, once built; focus gets the focus when the editor opens.
    void set_halves(QWidget* list, QWidget* editor, QWidget* focus);
    // position: the line being changed, or -1 when a line is added.
    void open_editor(const QString& former_name, int position);
    // Back to the list, with the editor reset.
    void close_editor();
    // The editor's line stored at the position it was opened for, and saved; back to the list.
    void store_edited_line(const QString& line);
    // The stored line of the selected row, by its name; -1 when no row with a name is selected.
    int selected_position() const;
    QString selected_name() const;

    // What a page lists: the store's lines, their names in stored order and a row of cells each.
    virtual QStringList& lines() = 0;
    virtual QStringList names() const = 0;
    virtual std::vector<QStringList> rows() const = 0;
    virtual void reset_editor() = 0;
    // 変更 pressed.
    virtual void change() = 0;

    md::DataStore& store_;
    QTreeWidget* list_view_ = nullptr;
    QPushButton* add_button_ = nullptr;
    QPushButton* change_button_ = nullptr;
    QPushButton* delete_button_ = nullptr;
    QString former_name_;
    int changed_position_ = -1;

  private:
    void remove_selected();

    QStackedLayout* halves_;
    QWidget* list_ = nullptr;
    QWidget* editor_ = nullptr;
    QWidget* focus_ = nullptr;
};

}  // namespace kl
