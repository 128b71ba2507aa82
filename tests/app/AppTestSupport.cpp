#include "AppTestSupport.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QMenu>
#include <QWindow>
#include <QtTest>
#include <fstream>
#include <iterator>

#include "CSorvakView.h"
#include "formats/BinaryLog.h"

namespace sorvak::test {

Window::Window() = default;

Loaded::Loaded(int count) {
    FileLoad(doc, ui, writeLog(dir, "log.qgb", numberedQsos(count)), LoadMode::Load);
    doc.updateAllViews();
    doc.setModified(false);
}

void select(CSorvakView& view, std::initializer_list<int> rows) {
    for (int row : rows) {
        view.selectionModel()->setCurrentIndex(
            view.model()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

QString Window::cell(int row, int column) const {
    QAbstractItemModel* model = const_cast<CMainFrame&>(frame).view().model();
    return model->data(model->index(row, column)).toString();
}

int Window::rowCount() const {
    return const_cast<CMainFrame&>(frame).view().model()->rowCount();
}

QString Window::caption() {
    frame.winId();
    return frame.windowHandle()->title();
}

QAction* Window::action(const char* name) {
    auto* found = frame.findChild<QAction*>(QString::fromLatin1(name));
    if (found == nullptr) {
        qFatal("no action %s", name);
    }
    return found;
}

void Window::trigger(const char* name) {
    action(name)->trigger();
}

QsoParts qso(int hhmm, const std::string& callSign, int points) {
    QsoParts parts;
    parts.year = 2026;
    parts.month = 11;
    parts.day = 3;
    parts.hhmm = hhmm;
    parts.callSign = callSign;
    parts.srst = 599;
    parts.sent = "10";
    parts.rrst = 599;
    parts.rcvd = "13";
    parts.bandText = "7";
    parts.modeText = "CW";
    parts.powerLetter = 'H';
    parts.points = points;
    parts.txNumber = 0;
    return parts;
}

std::string writeLog(const QTemporaryDir& dir, const char* name,
                     const std::vector<QsoParts>& qsos) {
    CSorvakDoc doc;
    doc.contest().stationCall = "JA1YAA";
    doc.contest().contestName = "TEST";
    for (const QsoParts& parts : qsos) {
        doc.add(std::make_unique<QsoRecord>(parts));
    }
    std::string path = dir.filePath(QString::fromLatin1(name)).toStdString();
    std::ofstream(path, std::ios::binary) << writeBinaryLog(doc);
    return path;
}

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<QsoParts> numberedQsos(int count) {
    std::vector<QsoParts> qsos;
    for (int i = 0; i < count; ++i) {
        qsos.push_back(
            qso(900 + i, "JA1A" + std::string(1, static_cast<char>('A' + i)), (7 * i) % 10));
    }
    return qsos;
}

QStringList describeMenu(const QMenu& menu, const QString& path) {
    QStringList lines;
    for (QAction* action : menu.actions()) {
        if (action->isSeparator()) {
            lines.append(path + "|-");
        } else if (QMenu* sub = action->menu()) {
            lines.append(describeMenu(*sub, path + ">" + sub->title()));
        } else {
            QStringList parts = action->text().split(u'\t');
            lines.append(QStringList{path, parts.value(0), parts.value(1),
                                     action->isEnabled() ? "on" : "off", action->statusTip()}
                             .join(u'|'));
        }
    }
    return lines;
}

}  // namespace sorvak::test
