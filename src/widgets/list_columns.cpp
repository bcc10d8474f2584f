#include "list_columns.h"

#include "column_fit.h"
#include "twips.h"

#include <QEvent>
#include <QHeaderView>
#include <QStyle>
#include <QTreeView>
#include <algorithm>
#include <numeric>

namespace kl {
namespace {

// Keeps one list's columns laid out. The widest cells are measured once per change of the rows,
// after the change is complete (a list filled row by row is measured once); a change of the list's
// width only moves the last column's edge.
class ColumnFitter : public QObject {
  public:
    ColumnFitter(QTreeView* list, std::vector<int> design_twips, ListWidth width)
        : QObject(list),
          list_(list),
          viewport_(list->viewport()),
          design_twips_(std::move(design_twips)),
          width_(width) {
        list->header()->setStretchLastSection(false);
        viewport_->installEventFilter(this);
        QAbstractItemModel* model = list->model();
        connect(model, &QAbstractItemModel::modelReset, this, &ColumnFitter::rows_changed);
        connect(model, &QAbstractItemModel::layoutChanged, this, &ColumnFitter::rows_changed);
        connect(model, &QAbstractItemModel::rowsInserted, this, &ColumnFitter::rows_changed);
        connect(model, &QAbstractItemModel::rowsRemoved, this, &ColumnFitter::rows_changed);
        connect(model, &QAbstractItemModel::dataChanged, this, &ColumnFitter::rows_changed);
        connect(model, &QAbstractItemModel::headerDataChanged, this, &ColumnFitter::rows_changed);
        connect(model, &QAbstractItemModel::columnsInserted, this, &ColumnFitter::rows_changed);
        measure();
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Only the type is asked first: the list may be half destroyed by the time its viewport goes.
        if (event->type() == QEvent::Resize && watched == viewport_) {
            lay_out();
        }
        return false;
    }

  private:
    void rows_changed() {
        if (!pending_) {
            pending_ = true;
            QMetaObject::invokeMethod(this, &ColumnFitter::measure, Qt::QueuedConnection);
        }
    }

    void measure() {
        pending_ = false;
        QHeaderView* header = list_->header();
        columns_.clear();
        design_.clear();
        content_.clear();
        for (int column = 0; column < header->count(); ++column) {
            if (header->isSectionHidden(column)) {
                continue;
            }
            const size_t at = static_cast<size_t>(column);
            columns_.push_back(column);
            design_.push_back(at < design_twips_.size() ? column_width(list_, design_twips_[at]) : 0);
            const int header_width = header->isHidden() ? 0 : header->sectionSizeHint(column);
            // The view's measure: each cell's size hint from its delegate, indentation included.
            const int cells = static_cast<const QAbstractItemView*>(list_)->sizeHintForColumn(column);
            content_.push_back(std::max(cells, header_width));
        }
        if (width_ == ListWidth::shows_columns) {
            const std::vector<int> widths = fitted_column_widths(design_, content_, 0);
            list_->setMinimumWidth(std::accumulate(widths.begin(), widths.end(), 0) +
                                   2 * list_->frameWidth() +
                                   list_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list_));
        }
        lay_out();
    }

    void lay_out() {
        const std::vector<int> widths = fitted_column_widths(design_, content_, viewport_->width());
        QHeaderView* header = list_->header();
        for (size_t i = 0; i < widths.size(); ++i) {
            if (columns_[i] < header->count() && header->sectionSize(columns_[i]) != widths[i]) {
                header->resizeSection(columns_[i], widths[i]);
            }
        }
    }

    QTreeView* list_;
    QWidget* viewport_;
    std::vector<int> design_twips_;
    std::vector<int> columns_;  // the shown columns, by their index
    std::vector<int> design_;
    std::vector<int> content_;
    ListWidth width_;
    bool pending_ = false;
};

}  // namespace

void fit_columns(QTreeView* list, const std::vector<int>& design_twips, ListWidth width) {
    new ColumnFitter(list, design_twips, width);
}

}  // namespace kl
