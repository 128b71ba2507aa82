// The rate chart window: its series drawn from the hour tally of a log the
// test builds, its redraw after a change, and the saved picture.
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QLineSeries>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QtTest>

#include "AppTestSupport.h"
#include "CSorvakView.h"
#include "RateChartWindow.h"

using namespace sorvak;
using namespace sorvak::test;

namespace {

QsoParts on(const char* band, int hhmm, const char* call) {
    QsoParts parts = qso(hhmm, call, 1);
    parts.bandText = band;
    return parts;
}

// Out of time order, with an empty hour (11) and a QSO without a band.
void fill(CSorvakDoc& doc) {
    for (const QsoParts& parts :
         {on("7", 1040, "JA1AAA"), on("21", 1020, "JA2BBB"), on("7", 1005, "JA3CCC"),
          on("7", 1230, "JA4DDD"), on("", 1235, "JA5EEE")}) {
        doc.add(std::make_unique<QsoRecord>(parts));
    }
}

RateChartWindow* openChart(Window& w) {
    w.trigger("ID_LIST_RATE_CHART");
    return w.frame.findChild<RateChartWindow*>();
}

QStringList barLabels(const RateChartWindow& chart) {
    QStringList labels;
    for (QBarSet* set : chart.bars()->barSets()) {
        labels.append(set->label());
    }
    return labels;
}

QList<qreal> barValues(const RateChartWindow& chart, int band) {
    QList<qreal> values;
    QBarSet* set = chart.bars()->barSets().at(band);
    for (int i = 0; i < set->count(); ++i) {
        values.append(set->at(i));
    }
    return values;
}

QList<qreal> lineValues(const RateChartWindow& chart) {
    QList<qreal> values;
    for (const QPointF& point : chart.cumulativeLine()->points()) {
        values.append(point.y());
    }
    return values;
}

}  // namespace

class RateChartTest : public QObject {
    Q_OBJECT

  private slots:
    void drawsBandsPerHourAndTheRunningTotalWithoutTouchingTheLog();
    void hoursWithoutQsosFollowTheSetting();
    void redrawsWhenTheLogChanges();
    void savesThePictureOrSaysItCouldNot();
    void hourLabelsStayWholeAndDistinct();
    void opensBesideTheMainWindowWithinTheScreen();
};

void RateChartTest::drawsBandsPerHourAndTheRunningTotalWithoutTouchingTheLog() {
    Window w;
    fill(w.doc);
    RateChartWindow* chart = openChart(w);
    QVERIFY(chart != nullptr);
    QVERIFY(chart->isVisible());
    QCOMPARE(barLabels(*chart), (QStringList{"7 MHz", "21 MHz"}));
    QCOMPARE(chart->hourAxis()->categoriesLabels(), (QStringList{"10<br>3日", "11", "12"}));
    QCOMPARE(barValues(*chart, 0), (QList<qreal>{2, 0, 1}));
    QCOMPARE(barValues(*chart, 1), (QList<qreal>{1, 0, 0}));
    // The QSO without a band is in the total only.
    QCOMPARE(lineValues(*chart), (QList<qreal>{3, 3, 5}));
    QCOMPARE(chart->chart()->series().size(), 2);
    // Nothing asked, nothing sorted, nothing changed.
    QVERIFY(w.ui.events.empty());
    QCOMPARE(w.doc.at(0).callSign(), std::string("JA1AAA"));
    QVERIFY(!w.doc.isModified());
    // The entry shows the one window again.
    QCOMPARE(openChart(w), chart);
    QCOMPARE(w.frame.findChildren<RateChartWindow*>().size(), 1);
}

void RateChartTest::hoursWithoutQsosFollowTheSetting() {
    Window w;
    fill(w.doc);
    ReportSettings settings = w.doc.reportSettings();
    settings.includeZeroHours = 0;
    w.doc.setReportSettings(settings);
    RateChartWindow* chart = openChart(w);
    QCOMPARE(chart->hourAxis()->categoriesLabels(), (QStringList{"10<br>3日", "12"}));
    QCOMPARE(barValues(*chart, 0), (QList<qreal>{2, 1}));
    QCOMPARE(lineValues(*chart), (QList<qreal>{3, 5}));
}

void RateChartTest::redrawsWhenTheLogChanges() {
    Window w;
    RateChartWindow* chart = openChart(w);
    QVERIFY(chart->bars() == nullptr);
    QCOMPARE(chart->chart()->title(), QString("解析すべきデータがありません。"));

    fill(w.doc);
    w.doc.updateAllViews();
    QCOMPARE(lineValues(*chart), (QList<qreal>{3, 3, 5}));

    // A QSO past midnight: hours 13 to 23 of day 3, then 0 of day 4.
    QsoParts nextDay = on("14", 2, "JA6FFF");
    nextDay.day = 4;
    w.doc.add(std::make_unique<QsoRecord>(nextDay));
    w.frame.view().OnUpdate();
    QCOMPARE(barLabels(*chart), (QStringList{"7 MHz", "14 MHz", "21 MHz"}));
    QCOMPARE(lineValues(*chart).size(), 15);
    QCOMPARE(lineValues(*chart).last(), 6.0);
    QCOMPARE(chart->hourAxis()->categoriesLabels().first(), QString("10<br>3日"));

    w.doc.clear();
    w.doc.updateAllViews();
    QVERIFY(chart->cumulativeLine() == nullptr);
}

void RateChartTest::savesThePictureOrSaysItCouldNot() {
    Window w;
    fill(w.doc);
    RateChartWindow* chart = openChart(w);
    QTemporaryDir dir;
    std::string path = dir.filePath("rate.png").toStdString();
    w.ui.paths.push_back(path);
    chart->findChild<QPushButton*>("savePng")->click();
    QCOMPARE(w.ui.events.size(), size_t{1});
    QCOMPARE(w.ui.events[0].dialog.proposedName, std::string("SORVAK-rate.png"));
    QVERIFY(readAll(path).starts_with("\x89PNG\r\n\x1a\n"));
    QVERIFY(!QImage(QString::fromStdString(path)).isNull());

    std::string nowhere = dir.filePath("missing/rate.png").toStdString();
    w.ui.paths.push_back(nowhere);
    chart->OnSave();
    QCOMPARE(w.ui.messageTexts(),
             (std::vector<std::string>{"ﾌｧｲﾙに書き込めませんでした。\n" + nowhere}));
    QVERIFY(!QFile::exists(QString::fromStdString(nowhere)));
}

void RateChartTest::hourLabelsStayWholeAndDistinct() {
    // 21:00 of the 21st to 03:00 of the 23rd.
    std::vector<RateSeries::Hour> hours;
    for (int i = 0; i < 31; ++i) {
        hours.push_back({21 + (21 + i) / 24, (21 + i) % 24});
    }
    QStringList every = hourLabels(hours, 1);
    QCOMPARE(every.size(), 31);
    QCOMPARE(every.mid(0, 4), (QStringList{"21<br>21日", "22", "23", "00<br>22日"}));
    // The same hour on a later day is another category of the axis.
    QCOMPARE(every.mid(24, 4), (QStringList{"21", "22<!--25-->", "23<!--26-->", "00<br>23日"}));
    QCOMPARE(hourLabels(hours, 6),
             (QStringList{"21<br>21日", "03<br>22日", "09", "15", "21", "03<br>23日"}));

    // Each of the n labels gets an n + 1st of the axis, less 8 pixels.
    QCOMPARE(hourLabelStep(3, 600, 30), size_t{1});
    QCOMPARE(hourLabelStep(48, 900, 30), size_t{3});
    QCOMPARE(hourLabelStep(48, 600, 30), size_t{4});
    QCOMPARE(hourLabelStep(48, 300, 30), size_t{12});
    QVERIFY(hourLabelStep(48, 60, 30) >= 48);  // only the first hour

    Window w;
    fill(w.doc);
    QsoParts nextDay = on("14", 2, "JA6FFF");
    nextDay.day = 4;
    w.doc.add(std::make_unique<QsoRecord>(nextDay));
    RateChartWindow* chart = openChart(w);
    chart->resize(780, 500);
    QVERIFY(QTest::qWaitForWindowExposed(chart));
    QTRY_COMPARE(chart->labelStep(), size_t{1});
    chart->resize(260, 500);
    QTRY_VERIFY(chart->labelStep() > 1);
    QCOMPARE(chart->hourAxis()->categoriesLabels(),
             hourLabels(rateSeriesOf(w.doc.qsoList(), true).hours, chart->labelStep()));
}

void RateChartTest::opensBesideTheMainWindowWithinTheScreen() {
    QRect screen(0, 0, 1280, 800);
    QCOMPARE(placeBeside(QRect(0, 0, 400, 300), QSize(500, 400), screen), QRect(400, 0, 500, 400));
    QCOMPARE(placeBeside(QRect(780, 100, 500, 300), QSize(500, 400), screen),
             QRect(280, 100, 500, 400));
    // No room on either side: against the screen's edges, over the window.
    QCOMPARE(placeBeside(QRect(100, 600, 1000, 300), QSize(500, 400), screen),
             QRect(780, 400, 500, 400));
    QCOMPARE(placeBeside(QRect(0, 0, 100, 100), QSize(2000, 900), screen), screen);

    Window w;
    fill(w.doc);
    w.frame.setGeometry(0, 0, 300, 200);
    w.frame.show();
    RateChartWindow* chart = openChart(w);
    QRect available = w.frame.screen()->availableGeometry();
    QVERIFY(available.contains(chart->frameGeometry()));
    QVERIFY(!chart->frameGeometry().intersects(w.frame.frameGeometry()) ||
            available.width() < w.frame.frameGeometry().width() + chart->frameGeometry().width());
}

QTEST_MAIN(RateChartTest)
#include "test_rate_chart.moc"
