#include "Cli.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstring>
#include <memory>

int main(int argc, char** argv) {
    // The report is painted with Qt's GUI classes; it never shows a window, so it needs no
    // display.
    bool painting = false;
    for (int i = 1; i < argc; ++i)
        painting = painting || std::strcmp(argv[i], "report") == 0;
    std::unique_ptr<QCoreApplication> application;
    if (painting) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("quel5ctl"));
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    return cli::run(args);
}
