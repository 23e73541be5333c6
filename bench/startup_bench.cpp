// Times the start of the tool until its main window is shown: with a fresh settings file,
// and with one in which every window was open, next to a bare Qt main window started the
// same way, in one run. Each start is a new process; the finish line is the first exposure
// of the main window, reported by "--startup-probe".
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Says "shown" once the window is exposed and the events that brought are handled.
class Probe : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, qApp, [] {
                std::fputs("shown\n", stdout);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }
};

// The bare window: what any Qt program pays to show a main window; with text, a menu bar
// and an entry in it, so that it also pays for the fonts as every real window does.
int runBare(int argc, char** argv, bool withText) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(720, 540);
    if (withText) {
        window.menuBar()->addMenu(QStringLiteral("&Soubor"));
        window.setCentralWidget(new QLineEdit(QStringLiteral("192.168.1.20")));
    }
    window.show();
    Probe probe;
    window.windowHandle()->installEventFilter(&probe);
    return app.exec();
}

// Milliseconds from the start of the process to its "shown", or -1.
double timeToShown(const QString& program, const QStringList& arguments) {
    QProcess process;
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    if (!process.waitForStarted(10000))
        return -1;
    while (!process.canReadLine() && process.state() == QProcess::Running)
        process.waitForReadyRead(10000);
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    const bool shown = process.readLine().startsWith("shown");
    process.waitForFinished(10000);
    return shown ? ms : -1;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && QByteArray(argv[1]).startsWith("--bare"))
        return runBare(argc, argv, QByteArray(argv[1]) == "--bare-text");
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 9;
    QTemporaryDir dir;
    const QString all = dir.filePath(QStringLiteral("all.ini"));
    {
        QSettings s(all, QSettings::IniFormat);
        for (const char* form : {"Favystup", "Frezim", "Fquel5", "Ftermostaty", "Fvrele", "Fvstupy",
                                 "Fvystupy", "Fstav", "Fdisc", "Fvice"})
            s.setValue(QStringLiteral("TForm1/") + QLatin1String(form), 1);
    }
    const QString tool = QStringLiteral(QUEL5_PATH);
    std::vector<double> bare, text, fresh, open;
    for (int round = 0; round < rounds; ++round) {
        bare.push_back(timeToShown(QCoreApplication::applicationFilePath(), {"--bare"}));
        text.push_back(timeToShown(QCoreApplication::applicationFilePath(), {"--bare-text"}));
        const QString freshFile = dir.filePath(QStringLiteral("fresh%1.ini").arg(round));
        fresh.push_back(timeToShown(tool, {"--settings", freshFile, "--startup-probe"}));
        // Each run writes its session back: every window stays open for the next.
        open.push_back(timeToShown(tool, {"--settings", all, "--startup-probe"}));
    }
    const double b = median(bare), t = median(text), f = median(fresh), o = median(open);
    std::printf("platform: %s, rounds: %d (medians)\n",
                qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
                    ? "default"
                    : qgetenv("QT_QPA_PLATFORM").constData(),
                rounds);
    std::printf("bare Qt main window:               %7.1f ms\n", b);
    std::printf("bare main window with a menu and text: %5.1f ms\n", t);
    std::printf("quel5, fresh settings file:        %7.1f ms  (%.2f x the bare window, %.2f x "
                "with text; goal 1.5)\n",
                f, f / b, f / t);
    std::printf("quel5, every window open:          %7.1f ms  (%.2f x the bare window, %.2f x "
                "with text)\n",
                o, o / b, o / t);
    return 0;
}
