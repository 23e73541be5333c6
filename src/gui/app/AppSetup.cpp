#include "app/AppSetup.h"

#include "base/Language.h"

#include "kit/Dialogs.h"
#include "kit/Retranslate.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>
#include <QSettings>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>

const char* const LanguageKey = "TForm1/Jazyk";

bool setUpApplication(QApplication& app) {
    Q_INIT_RESOURCE(quel5);
    QApplication::setApplicationName(QStringLiteral("Quel5"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/quel5.svg")));
    retranslateOnLanguageChange(app);
    return language::apply(language::fromEnvironment());
}

QString startLanguage(const QString& option, QSettings* settings) {
    if (language::parse(option))
        return option;
    if (settings) {
        const QString stored = settings->value(QLatin1String(LanguageKey)).toString();
        if (language::parse(stored))
            return stored;
    }
    return language::code(language::fromEnvironment());
}

std::unique_ptr<QSettings> openSettings(const QString& path, UserDialogs& dialogs) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        dialogs.message(nullptr,
                        tx("gui", "%1 není obyčejný soubor, nastavení z něj nelze číst. "
                                  "Program poběží bez uložených nastavení a nic do nich "
                                  "nezapíše.")
                            .arg(path),
                        Severity::Warning);
        return nullptr;
    }
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

namespace {
class ShownProbe : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            // After the events the exposure brought (the first paint) are handled.
            QTimer::singleShot(0, qApp, [] {
                std::fputs("shown\n", stdout);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }
};
} // namespace

void quitWhenShown(QWidget* window) {
    window->winId(); // the native window the exposure arrives at
    window->windowHandle()->installEventFilter(new ShownProbe(window));
}

QString settingsFilePath(const QString& programFolder, const QString& configFolder,
                         const QString& buildTree) {
    const QString beside = QDir(programFolder).filePath(QStringLiteral("Quel5_cf.ini"));
    const QString program = QDir(programFolder).canonicalPath();
    const QString tree = buildTree.isEmpty() ? QString() : QDir(buildTree).canonicalPath();
    const bool inTree =
        !tree.isEmpty() && (program == tree || program.startsWith(tree + QLatin1Char('/')));
    if (QFileInfo(beside).isFile() || (inTree && QFileInfo(programFolder).isWritable()))
        return beside;
    return QDir(configFolder).filePath(QStringLiteral("Quel5_cf.ini"));
}
