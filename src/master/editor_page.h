#pragma once

#include <QString>
#include <QWidget>

class QStackedLayout;

namespace kl {

// A page whose list gives way to an editor while a line is added or changed.
class EditorPage : public QWidget {
    Q_OBJECT
  public:
    explicit EditorPage(QWidget* parent = nullptr);

  Q_SIGNALS:
    // A deletion saved the file and loaded it again.
    void team_file_reloaded();

  protected:
    // The two halves, once the subclass has built them; focus gets the focus when the editor opens.
    void set_halves(QWidget* list, QWidget* editor, QWidget* focus);
    // position: the line being changed, or -1 when a line is added.
    void open_editor(const QString& former_name, int position);
    // Back to the list, with the editor reset.
    void close_editor();
    void show_list();
    virtual void reset_editor() = 0;

    QString former_name_;
    int changed_position_ = -1;

  private:
    QStackedLayout* halves_;
    QWidget* list_ = nullptr;
    QWidget* editor_ = nullptr;
    QWidget* focus_ = nullptr;
};

}  // namespace kl
