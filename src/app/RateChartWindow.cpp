#include "RateChartWindow.h"

#include <QAbstractItemModel>
#include <QBarSet>
#include <QBuffer>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLineSeries>
#include <QPushButton>
#include <QScreen>
#include <QStackedBarSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <filesystem>

#include "CSorvakView.h"
#include "model/CSorvakDoc.h"
#include "platform/AtomicFile.h"
#include "platform/Ui.h"
#include "reports/RateSeries.h"
#include "reports/ReportFormat.h"

namespace sorvak {
namespace {

// One fixed colour per band, so that a band keeps its colour when others
// come and go.
const QColor kBandColors[] = {
    QColor("#8c564b"), QColor("#d62728"), QColor("#ff7f0e"), QColor("#bcbd22"),
    QColor("#2ca02c"), QColor("#17becf"), QColor("#1f77b4"), QColor("#9467bd"),
    QColor("#e377c2"), QColor("#7f7f7f"), QColor("#393b79"), QColor("#637939"),
    QColor("#8c6d31"), QColor("#843c39"), QColor("#7b4173"), QColor("#3182bd"),
};

QString bandLabel(int band) {
    if (band == 16) {
        return QStringLiteral("10.1 GHz");
    }
    return QString::fromStdString(std::string(bandIndexText(band))) + QStringLiteral(" MHz");
}

// The widest line any hour label of `hours` has.
qreal widestHourLabel(const std::vector<RateSeries::Hour>& hours, const QFont& font) {
    QFontMetricsF metrics(font);
    qreal widest = metrics.horizontalAdvance(QStringLiteral("00"));
    for (const RateSeries::Hour& h : hours) {
        widest = std::max(widest, metrics.horizontalAdvance(QStringLiteral("%1日").arg(h.day)));
    }
    return widest;
}

int highestStack(const RateSeries& series) {
    int highest = 0;
    for (size_t h = 0; h < series.hours.size(); ++h) {
        int stack = 0;
        for (const std::vector<int>& band : series.counts) {
            stack += band[h];
        }
        highest = std::max(highest, stack);
    }
    return highest;
}

QValueAxis* countAxis(const QString& title, int highest) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setRange(0, std::max(highest, 1));
    axis->applyNiceNumbers();
    axis->setLabelFormat(QStringLiteral("%d"));
    return axis;
}

std::string fileStem(const std::string& title) {
    std::string stem = std::filesystem::path(title).stem().string();
    return stem.empty() ? std::string(kAppTitle) : stem;
}

}  // namespace

QStringList hourLabels(const std::vector<RateSeries::Hour>& hours, size_t step) {
    QStringList labels;
    int day = -1;
    for (size_t i = 0; i < hours.size(); i += step) {
        const RateSeries::Hour& h = hours[i];
        QString label = QStringLiteral("%1").arg(h.hour, 2, 10, QLatin1Char('0'));
        if (h.day != day) {
            label += QStringLiteral("<br>%1日").arg(h.day);
        }
        day = h.day;
        // The axis keeps one label of each text; the comment is not shown.
        if (labels.contains(label)) {
            label += QStringLiteral("<!--%1-->").arg(i);
        }
        labels.append(label);
    }
    return labels;
}

size_t hourLabelStep(size_t hours, qreal axisWidth, qreal labelWidth) {
    size_t step = 1;
    // Qt gives each of n labels an n + 1st of the axis, less its padding.
    auto room = [&] { return axisWidth / static_cast<qreal>((hours + step - 1) / step + 1) - 8; };
    while (step < hours && room() < labelWidth) {
        step = step < 4 ? step + 1 : step < 6 ? 6 : step * 2;
    }
    return step;
}

RateChartWindow::RateChartWindow(const CSorvakDoc& doc, Ui& ui, QWidget* parent)
    : QWidget(parent, Qt::Window), doc_(doc), ui_(ui), chart_(new QChart) {
    setObjectName("rateChart");
    setAttribute(Qt::WA_DeleteOnClose);
    chart_->legend()->setAlignment(Qt::AlignBottom);
    connect(chart_, &QChart::plotAreaChanged, this, &RateChartWindow::labelHours);
    view_ = new QChartView(chart_, this);
    view_->setRenderHint(QPainter::Antialiasing);

    auto* save = new QPushButton(QStringLiteral("PNGで保存(&S)..."), this);
    save->setObjectName("savePng");
    connect(save, &QPushButton::clicked, this, &RateChartWindow::OnSave);
    auto* close = new QPushButton(QStringLiteral("閉じる(&C)"), this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_);
    layout->addLayout(buttons);
    resize(1040, 620);
    redraw();
}

void RateChartWindow::follow(const QAbstractItemModel& list) {
    connect(&list, &QAbstractItemModel::modelReset, this, &RateChartWindow::redraw);
}

void RateChartWindow::clearChart() {
    chart_->removeAllSeries();
    for (QAbstractAxis* axis : chart_->axes()) {
        chart_->removeAxis(axis);
        delete axis;
    }
    bars_ = nullptr;
    line_ = nullptr;
    hourAxis_ = nullptr;
    hours_.clear();
    labelStep_ = 0;
}

void RateChartWindow::redraw() {
    QString name = QString::fromStdString(fileStem(doc_.title()));
    setWindowTitle(QStringLiteral("レートグラフ - ") + name);
    clearChart();
    RateSeries series = rateSeriesOf(doc_.qsoList(), doc_.reportSettings().includeZeroHours != 0);
    if (series.hours.empty()) {
        chart_->setTitle(QStringLiteral("解析すべきデータがありません。"));
        return;
    }
    chart_->setTitle(QStringLiteral("レートグラフ  ") + name);

    bars_ = new QStackedBarSeries;
    for (size_t i = 0; i < series.bands.size(); ++i) {
        auto* set = new QBarSet(bandLabel(series.bands[i]));
        set->setColor(kBandColors[series.bands[i] - 1]);
        set->setBorderColor(kBandColors[series.bands[i] - 1]);
        for (int n : series.counts[i]) {
            set->append(n);
        }
        bars_->append(set);
    }
    line_ = new QLineSeries;
    line_->setName(QStringLiteral("累計"));
    line_->setPen(QPen(QColor("#202020"), 2.5));
    for (size_t h = 0; h < series.cumulative.size(); ++h) {
        line_->append(static_cast<qreal>(h), series.cumulative[h]);
    }
    chart_->addSeries(bars_);
    chart_->addSeries(line_);

    // Bar h stands at h on this axis; its labels are put on the hours by
    // labelHours once the chart knows how wide it is.
    hourAxis_ = new QCategoryAxis;
    hourAxis_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    hourAxis_->setGridLineVisible(false);
    hourAxis_->setTitleText(QStringLiteral("時"));
    QFont small = hourAxis_->labelsFont();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    hourAxis_->setLabelsFont(small);
    hours_ = series.hours;
    labelHours();
    chart_->addAxis(hourAxis_, Qt::AlignBottom);
    QValueAxis* rate = countAxis(QStringLiteral("QSO / 時間"), highestStack(series));
    chart_->addAxis(rate, Qt::AlignLeft);
    QValueAxis* total = countAxis(QStringLiteral("累計 QSO"), series.cumulative.back());
    chart_->addAxis(total, Qt::AlignRight);
    bars_->attachAxis(hourAxis_);
    bars_->attachAxis(rate);
    line_->attachAxis(hourAxis_);
    line_->attachAxis(total);
}

void RateChartWindow::labelHours() {
    if (hourAxis_ == nullptr) {
        return;
    }
    // Before the first layout the plot area is empty: every hour is labelled.
    qreal width = chart_->plotArea().width();
    size_t step = width > 0 ? hourLabelStep(hours_.size(), width,
                                            widestHourLabel(hours_, hourAxis_->labelsFont()))
                            : 1;
    if (step == labelStep_) {
        return;
    }
    labelStep_ = step;
    for (const QString& label : hourAxis_->categoriesLabels()) {
        hourAxis_->remove(label);
    }
    hourAxis_->setStartValue(-0.5);
    QStringList labels = hourLabels(hours_, step);
    for (qsizetype i = 0; i < labels.size(); ++i) {
        hourAxis_->append(labels[i], static_cast<qreal>(i) * static_cast<qreal>(step));
    }
    hourAxis_->setRange(-0.5, static_cast<qreal>(hours_.size()) - 0.5);
}

void RateChartWindow::OnSave() {
    FileDialog dialog;
    dialog.title = "レートグラフの保存";
    dialog.filter = "PNGﾌｧｲﾙ (*.png)|*.png||";
    dialog.proposedName = fileStem(doc_.title()) + "-rate.png";
    dialog.defaultExtension = "png";
    dialog.confirmOverwrite = true;
    if (std::optional<std::string> path = ui_.saveFileName(dialog)) {
        if (!savePng(*path)) {
            ui_.tell("ﾌｧｲﾙに書き込めませんでした。\n" + *path);
        }
    }
}

bool RateChartWindow::savePng(const std::string& path) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!view_->grab().save(&buffer, "PNG")) {
        return false;
    }
    return replaceFileContents(
        path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

QRect placeBeside(const QRect& frame, QSize size, const QRect& screen) {
    size = size.boundedTo(screen.size());
    int x = screen.right() + 1 - size.width();
    if (frame.right() + size.width() <= screen.right()) {
        x = frame.right() + 1;
    } else if (frame.left() - size.width() >= screen.left()) {
        x = frame.left() - size.width();
    }
    int y = std::clamp(frame.top(), screen.top(), screen.bottom() + 1 - size.height());
    return QRect(QPoint(std::max(x, screen.left()), y), size);
}

RateChartWindow* showRateChart(const CSorvakDoc& doc, Ui& ui, QWidget& frame) {
    auto* window = frame.findChild<RateChartWindow*>();
    if (window == nullptr) {
        window = new RateChartWindow(doc, ui, &frame);
        if (auto* list = frame.findChild<CSorvakView*>()) {
            window->follow(*list->model());
        }
        // The window system's frame around the chart is taken to be as wide
        // as the one around the main window.
        QRect inner = frame.geometry();
        QRect outer = frame.frameGeometry();
        QMargins decoration(inner.left() - outer.left(), inner.top() - outer.top(),
                            outer.right() - inner.right(), outer.bottom() - inner.bottom());
        QRect screen = frame.screen()->availableGeometry();
        QRect placed = placeBeside(outer, window->size().grownBy(decoration), screen);
        window->setGeometry(placed.marginsRemoved(decoration));
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

}  // namespace sorvak
