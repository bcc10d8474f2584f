#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>
#include <optional>
#include <random>
#include <vector>

namespace kl::test {

struct SeenMessage {
    QString title;
    QString text;
};

// While alive, answers every message box that comes up modally with `answer` and records what it said.
class MessageBoxAnswerer : public QObject {
  public:
    explicit MessageBoxAnswerer(QMessageBox::StandardButton answer = QMessageBox::Ok);
    void set_answer(QMessageBox::StandardButton answer) { answer_ = answer; }
    // Answers with a button chosen by random (a seed keeps runs repeatable).
    void answer_at_random(unsigned seed);
    // Cancels every other dialog that runs modally to its end (the print dialog, say), too; file
    // choosers are left to the test, which may choose a file.
    void cancel_other_dialogs() { cancel_dialogs_ = true; }
    const std::vector<SeenMessage>& seen() const { return seen_; }
    QString last_text() const { return seen_.empty() ? QString() : seen_.back().text; }
    void clear() { seen_.clear(); }

  private:
    void answer_open_box();

    QMessageBox::StandardButton answer_;
    std::optional<std::mt19937> random_;
    bool cancel_dialogs_ = false;
    std::vector<SeenMessage> seen_;
    QTimer timer_;
};

}  // namespace kl::test

class QWidget;

namespace kl::test {

// The open top-level window with this objectName, or nullptr.
QWidget* find_window(const QString& object_name);

// Closes the windows a test opened from main (those that delete themselves on closing) and lets
// them be deleted, so that none outlives the test.
void close_windows_opened_from(const QWidget* main);

}  // namespace kl::test

#include <gtest/gtest.h>

namespace kl::test {

// The child of parent with this objectName; a test failure when there is none.
template <typename T>
T* find_child(const QObject* parent, const QString& name) {
    T* found = parent != nullptr ? parent->findChild<T*>(name) : nullptr;
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

template <typename T>
T* find_child(const QObject* parent, const char16_t* name) {
    return find_child<T>(parent, QString::fromUtf16(name));
}

// While alive, answers the next file chooser with path, remembering the file name it offered.
class FileChooserAnswerer : public QObject {
  public:
    explicit FileChooserAnswerer(const QString& path);
    QString offered;

  private:
    QTimer timer_;
};

}  // namespace kl::test
