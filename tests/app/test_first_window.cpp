// The list at the system font: columns wide enough for their texts, columns
// that grow with the log's values, and a first window that shows every column.
#include <QFile>
#include <QHeaderView>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QtTest>

#include "AppTestSupport.h"
#include "CSorvakView.h"

using namespace sorvak;
using namespace sorvak::test;

namespace {

// Whether `text` fits a cell of the column without being cut to "…", by
// the margins Qt's item views keep around a cell's text.
bool fitsWhole(const CSorvakView& view, int column, const QString& text) {
    int margin = view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1;
    int room = view.horizontalHeader()->sectionSize(column) - 1 - 2 * margin;
    return view.fontMetrics().elidedText(text, Qt::ElideRight, room) == text;
}

}  // namespace

class FirstWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void cellsShowWholeAtTheSystemFont();
    void columnsFitTheWidestValuesOfTheLog();
    void firstWindowShowsEveryColumnWithinTheScreen();
};

void FirstWindowTest::cellsShowWholeAtTheSystemFont() {
    for (int pointSize : {9, 14}) {
        QFont font = QApplication::font();
        font.setPointSize(pointSize);
        QApplication::setFont(font);
        Window w;
        const CSorvakView& view = w.frame.view();
        QVERIFY(view.columnScale() >= 1.0);
        QVERIFY(fitsWhole(view, 2, "2359"));
        QVERIFY(fitsWhole(view, 1, "12/31"));
        QVERIFY(fitsWhole(view, 0, "999"));
        for (int column : {4, 9, 14, 15, 16}) {  // SRST, New, Pwr, TX#, Pts
            QString heading = view.model()->headerData(column, Qt::Horizontal).toString();
            QVERIFY2(view.horizontalHeader()->sectionSize(column) >
                         QFontMetrics(view.horizontalHeader()->font()).horizontalAdvance(heading),
                     qPrintable(heading));
        }
    }
}

void FirstWindowTest::columnsFitTheWidestValuesOfTheLog() {
    Window w;
    CSorvakView& view = w.frame.view();
    QHeaderView* header = view.horizontalHeader();
    int lineBefore = header->sectionSize(0);
    int memoBefore = header->sectionSize(18);
    QsoParts parts = qso(900, "JA1AA", 1);
    for (int i = 0; i < 100174; ++i) {
        parts.operatorName = i == 50000 ? "JR1WXX" : "JA1A";
        parts.memo = i == 7 ? std::string(64, 'W') : "";
        w.doc.add(std::make_unique<QsoRecord>(parts));
    }
    w.doc.updateAllViews();
    QVERIFY(fitsWhole(view, 0, "100174"));
    QVERIFY(fitsWhole(view, 17, "JR1WXX"));
    QVERIFY(header->sectionSize(0) > lineBefore);
    // A long memo widens its column up to a limit.
    QVERIFY(header->sectionSize(18) > memoBefore);
    QCOMPARE(header->sectionSize(18), qRound(400 * view.columnScale()));

    // A width the user set stays; the others follow the log.
    header->resizeSection(17, 30);
    w.doc.clear();
    w.doc.updateAllViews();
    QCOMPARE(header->sectionSize(17), 30);
    QCOMPARE(header->sectionSize(0), lineBefore);
    QCOMPARE(header->sectionSize(18), memoBefore);
}

void FirstWindowTest::firstWindowShowsEveryColumnWithinTheScreen() {
    Window w;
    w.frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.frame));
    CSorvakView& view = w.frame.view();
    QCOMPARE(view.horizontalScrollBar()->maximum(), 0);
    QVERIFY(view.viewport()->width() >= view.horizontalHeader()->length());
    QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(w.frame.width() <= screen.width());
    QVERIFY(w.frame.height() <= screen.height());
}

// The offscreen platform's screen is 800 pixels wide, narrower than the list;
// the window is tried on a desktop-sized screen.
int main(int argc, char** argv) {
    QTemporaryDir folder;
    QString config = folder.filePath("screen.json");
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)) {
        return 1;
    }
    file.write(R"({"screens": [{"name": "desk", "x": 0, "y": 0, "width": 1920,
                   "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    QApplication app(argc, argv);
    FirstWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_first_window.moc"
