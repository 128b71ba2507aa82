// The list at the system font: columns wide enough for their texts, a Line
// column that grows with the log, and a first window that shows every column.
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
    void lineColumnGrowsToTheLargestRowNumber();
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

void FirstWindowTest::lineColumnGrowsToTheLargestRowNumber() {
    Window w;
    CSorvakView& view = w.frame.view();
    int before = view.horizontalHeader()->sectionSize(0);
    for (int i = 0; i < 100000; ++i) {
        w.doc.add(std::make_unique<QsoRecord>(qso(900, "JA1AA", 1)));
    }
    w.doc.updateAllViews();
    QVERIFY(fitsWhole(view, 0, "100000"));
    QVERIFY(view.horizontalHeader()->sectionSize(0) > before);
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
