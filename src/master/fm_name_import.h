#pragma once

#include "master_edits.h"
#include "name_import.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace kl {

// 読み込み: the names of a CSV or TSV file (or of the clipboard) shown before they are added, each
// with 追加 or the reason it is not added. 追加 closes the dialog accepted; the page adds the names.
class fm_name_import : public QDialog {
    Q_OBJECT
  public:
    // listed: the names the list has now.
    fm_name_import(NameList list, const QStringList& listed, QWidget* parent);

    // Reads a file and shows what it would add; a file that cannot be read is told.
    void load_file(const QString& path);
    // Shows what text would add; source names where it came from.
    void load_text(const QString& text, const QString& source);
    // The names 追加 adds.
    QStringList names_to_add() const { return preview_.names_to_add(); }

    QPushButton* cm_import_file;
    QPushButton* cm_import_clipboard;
    QLabel* lb_import_source;
    QTreeWidget* lstv_import;
    QLabel* lb_import_count;
    QPushButton* cm_import_add;
    QPushButton* cm_cancel;

  private:
    void choose_file();

    NameList list_;
    QStringList listed_;
    ImportPreview preview_;
};

}  // namespace kl
