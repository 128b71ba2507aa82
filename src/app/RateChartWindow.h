#pragma once

#include <QWidget>
#include <string>

class QAbstractItemModel;
class QBarCategoryAxis;
class QChart;
class QChartView;
class QLineSeries;
class QStackedBarSeries;

namespace sorvak {

class CSorvakDoc;
class Ui;

// A window beside the main one with the rate chart of the log: per hour the
// QSOs of each band as stacked bars and the running total as a line on its
// own axis. It redraws whenever the QSO list is refreshed and saves itself
// as a PNG picture.
class RateChartWindow : public QWidget {
    Q_OBJECT

  public:
    RateChartWindow(const CSorvakDoc& doc, Ui& ui, QWidget* parent = nullptr);

    // Redraws after every reset of `list` (the QSO list's rows).
    void follow(const QAbstractItemModel& list);
    void redraw();

    // Asks for a file name and saves the picture there.
    void onSave();
    // Writes the picture as PNG, replacing the file whole; false on failure.
    bool savePng(const std::string& path);

    QChart* chart() const { return chart_; }
    QStackedBarSeries* bars() const { return bars_; }
    QLineSeries* cumulativeLine() const { return line_; }
    QBarCategoryAxis* hourAxis() const { return hourAxis_; }

  private:
    void clearChart();

    const CSorvakDoc& doc_;
    Ui& ui_;
    QChart* chart_;
    QChartView* view_;
    QStackedBarSeries* bars_ = nullptr;
    QLineSeries* line_ = nullptr;
    QBarCategoryAxis* hourAxis_ = nullptr;
};

// Shows the frame's rate chart window, making it on first use; it follows
// the frame's QSO list.
RateChartWindow* showRateChart(const CSorvakDoc& doc, Ui& ui, QWidget& frame);

}  // namespace sorvak
