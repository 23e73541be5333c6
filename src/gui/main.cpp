#include "app/AppSetup.h"
#include "app/MainWindow.h"
#include "base/Language.h"
#include "kit/Dialogs.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <cstdio>
#include <memory>

namespace {

QString defaultSettingsPath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    const QString path = settingsFilePath(QCoreApplication::applicationDirPath(), folder,
                                          QStringLiteral(QUEL5_BUILD_TREE));
    if (path.startsWith(folder))
        QDir().mkpath(folder);
    return path;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    setUpApplication(app);
    QApplication::setQuitOnLastWindowClosed(false);

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption settingsOption(QStringLiteral("settings"),
                                            QStringLiteral("Settings file to use."),
                                            QStringLiteral("FILE"));
    const QCommandLineOption addressOption(QStringLiteral("address"),
                                           QStringLiteral("Unit address to start with."),
                                           QStringLiteral("IP"));
    const QCommandLineOption portOption(
        QStringLiteral("port"), QStringLiteral("Unit port to start with."), QStringLiteral("PORT"));
    const QCommandLineOption searchOption(
        QStringLiteral("discovery-target"),
        QStringLiteral("Where \"Hledej\" sends its search (255.255.255.255 by default)."),
        QStringLiteral("IP"));
    const QCommandLineOption searchPortOption(QStringLiteral("discovery-port"),
                                              QStringLiteral("The port of the search (30303)."),
                                              QStringLiteral("PORT"));
    const QCommandLineOption langOption(QStringLiteral("lang"),
                                        QStringLiteral("Language of the tool: cs or en."),
                                        QStringLiteral("LANG"));
    // For the start-up benchmark: prints "shown" once the main window is on screen, then quits.
    QCommandLineOption probeOption(QStringLiteral("startup-probe"),
                                   QStringLiteral("Quit once the main window is shown."));
    probeOption.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({settingsOption, addressOption, portOption, searchOption, searchPortOption,
                       langOption, probeOption});
    parser.process(app);

    const QString settingsPath =
        parser.isSet(settingsOption) ? parser.value(settingsOption) : defaultSettingsPath();
    if (parser.isSet(langOption) && !language::parse(parser.value(langOption))) {
        std::fprintf(stderr, "quel5: --lang takes cs or en\n");
        return 2;
    }
    QtDialogs dialogs;
    const std::unique_ptr<QSettings> settings = openSettings(settingsPath, dialogs);
    language::apply(*language::parse(startLanguage(parser.value(langOption), settings.get())));

    auto* window = new MainWindow(settings.get(), dialogs);
    QObject::connect(window, &MainWindow::closed, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    window->show();
    window->restoreSession();
    if (parser.isSet(addressOption)) {
        window->addressBox()->setEditText(parser.value(addressOption));
        window->addressBox()->acceptTyped();
    }
    if (parser.isSet(portOption))
        window->portBox()->setValue(parser.value(portOption).toInt());
    if (parser.isSet(searchOption) || parser.isSet(searchPortOption)) {
        auto [address, port] = window->searchTarget();
        if (parser.isSet(searchOption))
            address = QHostAddress(parser.value(searchOption));
        if (parser.isSet(searchPortOption))
            port = quint16(parser.value(searchPortOption).toUInt());
        window->setSearchTarget(address, port);
    }

    if (parser.isSet(probeOption))
        quitWhenShown(window);

    const int result = app.exec();
    delete window;
    if (settings)
        settings->sync();
    return result;
}
