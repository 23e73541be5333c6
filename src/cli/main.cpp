#include "Cli.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quel5ctl"));
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    return cli::run(args);
}
