#pragma once

#include <QRect>
#include <QStringList>
#include <QWidget>
#include <string>
#include <vector>

#include "reports/RateSeries.h"

class QAbstractItemModel;
class QCategoryAxis;
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
    void OnSave();
    // Writes the picture as PNG, replacing the file whole; false on failure.
    bool savePng(const std::string& path);

    QChart* chart() const { return chart_; }
    QStackedBarSeries* bars() const { return bars_; }
    QLineSeries* cumulativeLine() const { return line_; }
    QCategoryAxis* hourAxis() const { return hourAxis_; }
    // Every how many hours a label stands.
    size_t labelStep() const { return labelStep_; }

  private:
    void clearChart();
    // Labels every hour, or every few hours where whole labels would not fit.
    void labelHours();

    const CSorvakDoc& doc_;
    Ui& ui_;
    QChart* chart_;
    QChartView* view_;
    QStackedBarSeries* bars_ = nullptr;
    QLineSeries* line_ = nullptr;
    QCategoryAxis* hourAxis_ = nullptr;
    std::vector<RateSeries::Hour> hours_;
    size_t labelStep_ = 0;
};

// The labels of every `step`-th hour: "21", with the day under the first of
// each day ("21<br>16日"; axis labels take HTML), each text different.
QStringList hourLabels(const std::vector<RateSeries::Hour>& hours, size_t step);
// The smallest step (1 to 4, then 6, 12, 24 ...) at which every label gets
// `labelWidth` pixels of an axis `axisWidth` wide.
size_t hourLabelStep(size_t hours, qreal axisWidth, qreal labelWidth);

// Where a window of `size` opens beside `frame` on `screen` (all with the
// window system's frames): to its right or else to its left where there is
// room, else against the screen's right edge; always within the screen.
QRect placeBeside(const QRect& frame, QSize size, const QRect& screen);

// Shows the frame's rate chart window, making it on first use; it follows
// the frame's QSO list.
RateChartWindow* showRateChart(const CSorvakDoc& doc, Ui& ui, QWidget& frame);

}  // namespace sorvak
