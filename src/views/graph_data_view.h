#pragma once

#include "main_view.h"
#include "reports/chart_images.h"
#include "statistics_controls.h"
#include "stats/season_charts.h"
#include "stats/stats_filter.h"
#include "store/data_store.h"
#include "store/user_message.h"

#include <QDate>
#include <array>
#include <memory>
#include <optional>

class QAction;
class QChart;
class QChartView;
class QCheckBox;
class QComboBox;
class QLabel;
class QPainter;
class QPushButton;
class QRectF;
class QSplitter;
class QTabWidget;
class QTreeView;

namespace kl {

class SquadTableModel;

// A chart of a chart page, and how many bars it stands along which axis (a chart with many bars
// asks for room for each).
struct ChartPart {
    QChart* chart = nullptr;
    Qt::Orientation along = Qt::Vertical;
    int bars = 0;
};

// View 4 of the main window: the season in charts, the squad table and the cautions that add up,
// over the games chosen by a filter bar like the team view's.
class GraphDataView : public MainView {
    Q_OBJECT
  public:
    GraphDataView(const md::DataStore& store, const SharedChoices& choices, QWidget* parent = nullptr);

    StatsFilter filter() const;
    // 更新: checks the filter as the team view does (showing the first failure), then computes and
    // shows every chart and table.
    void update();
    // Empties the charts and tables: the games they showed have changed.
    void clear();
    const SeasonCharts& shown() const { return charts_; }
    // Whether the charts show a computation (false before 更新 and after the games changed): what
    // printing asks before it prints the charts.
    bool computed() const { return !cleared_; }
    // The last computation as text, as kickledger-report charts prints it.
    QString copy_text() const override;
    // The chart page shown; nothing before 更新 (and after the games changed).
    std::optional<PrintDocument> print_document(const QDate& today) const override;

    // The chart pages, one per tab. For printing: each page of the last computation drawn into area,
    // keeping its proportions, on a canvas of 960 by 600 (more where its bars need the room).
    static constexpr int chart_page_count = 5;
    QString chart_page_title(int page) const;
    int current_chart_page() const;
    void paint_chart_page(int page, QPainter& painter, const QRectF& area) const;
    // What 印刷 and PDFに保存 put on paper: the filter of the last computation and the chart page
    // shown.
    PrintDocument chart_document(const QDate& date) const;

    // Saves a chart page as a picture drawn as for printing; the message to show when the file
    // could not be written.
    std::optional<md::UserMessage> save_chart_image(int page, const ImageFile& file) const;
    // 画像として保存...: asks for the file, then saves the page there.
    void ask_and_save_chart_image(int page);

    QWidget* fr_graph_setting;
    QCheckBox* ck_graph_date;
    std::array<QComboBox*, 2> cb_date;  // cb_date(4), cb_date(5)
    QLabel* lb_graph_date;
    QCheckBox* ck_graph_meeting;
    QComboBox* cb_graph_meeting;
    QPushButton* cm_graph;
    QSplitter* sp_graph;
    QTabWidget* ts_graph;
    // 0 results, 1 goals and assists, 2 minutes, 3 time bands, 4-6 body part, area and action
    std::array<QChartView*, 7> pt_graph;
    QWidget* fr_graph_shape = nullptr;
    QTreeView* lstv_squad;
    QLabel* lb_caution;  // 警告の累積

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void build_chart_pages();
    // What a chart page shows: a chart view, or for 得点の形 the frame of its three charts.
    QWidget* chart_page(int page) const;
    QWidget* build_squad_panel();
    // The charts of a page, built afresh from the last computation.
    std::vector<ChartPart> page_charts(int page) const;
    void show_charts();
    // A page drawn anew away from the screen: as large as shown, for a picture; or at the design
    // size, for paper, so that a print reads the same however large the window is.
    enum class Canvas { as_shown, for_paper };
    std::unique_ptr<QWidget> picture_of_page(int page, Canvas canvas) const;
    void show_squad();

    const md::DataStore& store_;
    SquadTableModel* squad_;
    SeasonCharts charts_;
    FilterTexts filter_texts_;
    QString team_name_;
    bool cleared_ = false;
};

}  // namespace kl
