#pragma once

#include <QMainWindow>
#include <QString>

class QAction;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;

namespace kl {

// The user manual: its contents, the page, and a search over every page. It opens on the contents
// page; links between pages and back and forward work as in a browser.
class fm_help : public QMainWindow {
    Q_OBJECT
  public:
    // folder: the manual's folder (see find_help_folder).
    explicit fm_help(const QString& folder);

    // Shows a page of the manual, or a section of it ("entry.html#page3").
    void show_page(const QString& target);
    // Lists the pages that hold every word of the query; the first is shown with the words marked.
    void search(const QString& query);

    QAction* cm_back;
    QAction* cm_forward;
    QAction* cm_home;
    QLineEdit* tx_search;
    QPushButton* cm_search;
    QTreeWidget* tv_contents;
    QListWidget* lst_search;
    QTextBrowser* tx_help;

  private:
    void fill_contents();
    void select_contents_entry(const QUrl& source);
    void show_search_hit(const QString& target);

    QString folder_;
    QString query_;
};

}  // namespace kl
