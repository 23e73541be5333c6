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
    // Now that the arguments are copied, a password given on the command line is wiped
    // from the process's own, so that neither the process list nor a core dump shows it.
    // The "--password=PW" form is refused, but its value is wiped all the same.
    for (int i = 1; i < argc; ++i) {
        if (i + 1 < argc && std::strcmp(argv[i], "--password") == 0)
            std::memset(argv[i + 1], 'x', std::strlen(argv[i + 1]));
        if (std::strncmp(argv[i], "--password=", 11) == 0)
            std::memset(argv[i] + 11, 'x', std::strlen(argv[i] + 11));
    }
    return cli::run(args);
}
