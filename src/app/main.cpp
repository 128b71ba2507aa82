#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

#include "CMainFrame.h"
#include "QtUi.h"
#include "StartUp.h"
#include "model/CSorvakDoc.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName("SORVAK");
    QApplication::setApplicationName("SORVAK");
    // The installed menu entry and icon (share/applications, share/icons/hicolor).
    QApplication::setDesktopFileName("sorvak");
    QApplication::setWindowIcon(QIcon::fromTheme("sorvak"));
    // The program speaks Japanese: the standard buttons should too.
    QTranslator translator;
    if (translator.load("qtbase_ja", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&translator);
    }

    sorvak::CommandLineInfo info = sorvak::parseCommandLine(QApplication::arguments().mid(1));
    sorvak::QtUi ui;
    if (!sorvak::checkCommandLineFile(info, ui)) {
        return 1;
    }
    QSettings settings;
    sorvak::CSorvakDoc doc;
    sorvak::CMainFrame frame(doc, ui);
    ui.setParent(&frame);
    ui.setSettings(&settings);
    frame.keepLayoutIn(settings);
    frame.show();
    sorvak::loadCommandLineFile(info, doc, ui, settings);
    return QApplication::exec();
}
