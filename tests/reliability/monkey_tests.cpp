#include "store/data_store.h"
#include "support/message_boxes.h"
#include "support/test_files.h"
#include "views/fm_main.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTabBar>
#include <QTimer>
#include <QTreeWidget>
#include <chrono>
#include <functional>
#include <random>

namespace kl {
namespace {

const QStringList typed_texts = {QString(),
                                 QStringLiteral(u"A"),
                                 QStringLiteral(u"佐藤 翔"),
                                 QStringLiteral(u"新しい名前"),
                                 QStringLiteral(u"a,b"),
                                 QStringLiteral(u"😀"),
                                 QStringLiteral(u"é"),
                                 QStringLiteral(u"[試合データ]"),
                                 QStringLiteral(u"x/y"),
                                 QStringLiteral(u"  "),
                                 QStringLiteral(u"12"),
                                 QStringLiteral(u"2024/02/30")};

// Answers the file dialogs the monkey opens (画像として保存... and the like), in turn with a file of
// the run's folder and with 取消, as message boxes are answered.
class FileDialogAnswerer : public QObject {
  public:
    FileDialogAnswerer() {
        connect(&timer_, &QTimer::timeout, this, [this] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                return;
            }
            if (++answered_ % 2 == 0) {
                dialog->selectFile(QDir::current().absoluteFilePath(QStringLiteral(u"monkey")));
                QMetaObject::invokeMethod(dialog, "accept");
            } else {
                QMetaObject::invokeMethod(dialog, "reject");
            }
        });
        timer_.start(5);
    }

  private:
    QTimer timer_;
    int answered_ = 0;
};

// One thing a user can do to a control, chosen at random among those of the open windows.
class Monkey {
  public:
    explicit Monkey(fm_main& main, unsigned seed) : main_(main), random_(seed) {}

    void act() {
        std::vector<std::function<void()>> actions;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window->isEnabled() && qobject_cast<QMessageBox*>(window) == nullptr) {
                collect(window, actions);
            }
        }
        if (!actions.empty()) {
            actions[pick(actions.size())]();
        }
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

  private:
    size_t pick(size_t count) { return std::uniform_int_distribution<size_t>(0, count - 1)(random_); }
    QString some_text() {
        return typed_texts[static_cast<qsizetype>(pick(static_cast<size_t>(typed_texts.size())))];
    }

    static bool usable(const QWidget* widget) {
        return widget->isVisibleTo(widget->window()) && widget->isEnabled();
    }

    void collect(QWidget* window, std::vector<std::function<void()>>& actions) {
        if (window == &main_) {
            for (QAction* action : main_.findChildren<QAction*>()) {
                // Quitting would end the run; the program's end is tested elsewhere.
                if (action->objectName() != QStringLiteral(u"menu_end") && !action->isSeparator()) {
                    actions.push_back([action] { action->trigger(); });
                }
            }
        }
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            if (usable(button)) {
                actions.push_back([button] { button->click(); });
            }
        }
        for (QComboBox* combo : window->findChildren<QComboBox*>()) {
            if (usable(combo) && combo->count() > 0) {
                actions.push_back([this, combo] {
                    const int index = static_cast<int>(pick(static_cast<size_t>(combo->count())));
                    combo->setCurrentIndex(index);
                    emit combo->activated(index);
                });
            }
        }
        for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
            if (usable(edit) && !edit->isReadOnly()) {
                actions.push_back([this, edit] {
                    edit->setText(some_text());
                    emit edit->textEdited(edit->text());
                    emit edit->returnPressed();
                });
            }
        }
        for (QAbstractItemView* view : window->findChildren<QAbstractItemView*>()) {
            if (usable(view) && view->model() != nullptr && view->model()->rowCount() > 0) {
                actions.push_back([this, view] { choose_row(view); });
            }
        }
        for (QHeaderView* header : window->findChildren<QHeaderView*>()) {
            if (usable(header) && header->count() > 0) {
                actions.push_back([this, header] {
                    emit header->sectionClicked(static_cast<int>(pick(static_cast<size_t>(header->count()))));
                });
            }
        }
        for (QTabBar* tabs : window->findChildren<QTabBar*>()) {
            if (usable(tabs) && tabs->count() > 0) {
                actions.push_back([this, tabs] {
                    tabs->setCurrentIndex(static_cast<int>(pick(static_cast<size_t>(tabs->count()))));
                });
            }
        }
    }

    void choose_row(QAbstractItemView* view) {
        const QModelIndex index =
            view->model()->index(static_cast<int>(pick(static_cast<size_t>(view->model()->rowCount()))), 0);
        view->setCurrentIndex(index);
        if (auto* tree = qobject_cast<QTreeWidget*>(view)) {
            emit tree->itemClicked(tree->currentItem(), 0);
        } else if (auto* list = qobject_cast<QListWidget*>(view)) {
            emit list->itemClicked(list->currentItem());
        }
    }

    fm_main& main_;
    std::mt19937 random_;
};

// KL_MONKEY_STEPS and KL_MONKEY_SEED make a longer or another run.
int environment_number(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

// A few thousand random user actions on the demo season: nothing crashes, the program still answers,
// and every team file it wrote still loads.
TEST(Monkey, RandomActionsLeaveTheProgramWorkingAndItsFilesReadable) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    ASSERT_TRUE(
        QFile::copy(QStringLiteral(KL_TEST_DATA_DIR "/../../samples/demo.kld"), QStringLiteral(u"demo.kld")));
    QFile(QStringLiteral(u"demo.kld")).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    test::write_cp932_lines(QStringLiteral(u"setting.ini"), {QStringLiteral(u"demo.kld")});

    test::MessageBoxAnswerer answerer;
    FileDialogAnswerer file_dialogs;
    const auto seed = static_cast<unsigned>(environment_number("KL_MONKEY_SEED", 20061201));
    answerer.answer_at_random(seed);
    answerer.cancel_other_dialogs();
    md::DataStore store;
    auto main = std::make_unique<fm_main>(store);
    main->start();
    Monkey monkey(*main, seed);
    const int steps = environment_number("KL_MONKEY_STEPS", 2500);
    const bool bounded = qEnvironmentVariableIsEmpty("KL_MONKEY_STEPS");
    const auto started = std::chrono::steady_clock::now();
    int done = 0;
    for (; done < steps; ++done) {
        if (bounded && std::chrono::steady_clock::now() - started > std::chrono::seconds(40)) {
            break;
        }
        monkey.act();
    }
    std::printf("%d random actions, %zu message boxes answered\n", done, answerer.seen().size());
    EXPECT_GE(done, 500);

    // Still answering: every other window closes and the main window is usable again.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != main.get() && window->isVisible()) {
            window->close();
        }
    }
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(main->isEnabled());
    main->refresh_game_lists();
    main.reset();

    for (const QString& file : QDir().entryList({QStringLiteral(u"*.kld")}, QDir::Files)) {
        md::DataStore reread;
        EXPECT_TRUE(reread.load_team_file(file).ok()) << file.toStdString();
    }
    QDir::setCurrent(previous);
}

}  // namespace
}  // namespace kl
