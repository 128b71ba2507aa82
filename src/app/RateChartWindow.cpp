#include "RateChartWindow.h"

#include <QAbstractItemModel>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLineSeries>
#include <QPushButton>
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

// "21", with the day under the first hour and under each hour of a new day
// (axis labels take HTML).
QStringList hourLabels(const RateSeries& series) {
    QStringList labels;
    int day = -1;
    for (const RateSeries::Hour& h : series.hours) {
        QString hour = QStringLiteral("%1").arg(h.hour, 2, 10, QLatin1Char('0'));
        labels.append(h.day != day ? QStringLiteral("%1<br>%2日").arg(hour).arg(h.day) : hour);
        day = h.day;
    }
    return labels;
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

RateChartWindow::RateChartWindow(const CSorvakDoc& doc, Ui& ui, QWidget* parent)
    : QWidget(parent, Qt::Window), doc_(doc), ui_(ui), chart_(new QChart) {
    setObjectName("rateChart");
    setAttribute(Qt::WA_DeleteOnClose);
    chart_->legend()->setAlignment(Qt::AlignBottom);
    view_ = new QChartView(chart_, this);
    view_->setRenderHint(QPainter::Antialiasing);

    auto* save = new QPushButton(QStringLiteral("PNGで保存(&S)..."), this);
    save->setObjectName("savePng");
    connect(save, &QPushButton::clicked, this, &RateChartWindow::onSave);
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
}

void RateChartWindow::redraw() {
    QString name = QString::fromStdString(fileStem(doc_.title()));
    setWindowTitle(QStringLiteral("レートグラフ - ") + name);
    clearChart();
    RateSeries series =
        rateSeriesOf(doc_.qsoList(), doc_.reportSettings().includeZeroHours != 0, ui_);
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

    hourAxis_ = new QBarCategoryAxis;
    hourAxis_->append(hourLabels(series));
    hourAxis_->setTitleText(QStringLiteral("時"));
    hourAxis_->setLabelsAngle(series.hours.size() > 24 ? -90 : 0);
    QFont small = hourAxis_->labelsFont();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    hourAxis_->setLabelsFont(small);
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

void RateChartWindow::onSave() {
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

RateChartWindow* showRateChart(const CSorvakDoc& doc, Ui& ui, QWidget& frame) {
    auto* window = frame.findChild<RateChartWindow*>();
    if (window == nullptr) {
        window = new RateChartWindow(doc, ui, &frame);
        if (auto* list = frame.findChild<CSorvakView*>()) {
            window->follow(*list->model());
        }
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

}  // namespace sorvak
