#include "app/MainWindow.h"

#include "app/Dialogs.h"
#include "app/Rights.h"
#include "link/Errors.h"
#include "link/Login.h"
#include "logic/RelayWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

// The connection goes where the address and port boxes point.
class MainWindow::Target : public ConnectionTarget {
public:
    Target(AddressBox* address, QSpinBox* port) : m_address(address), m_port(port) {}
    // The accepted address, never text still being typed.
    QString host() const override { return m_address->address(); }
    quint16 port() const override { return quint16(m_port->value()); }
    void setPort(quint16 port) override { m_port->setValue(port); }

private:
    AddressBox* m_address;
    QSpinBox* m_port;
};

namespace {
constexpr const char* ExchangeProperty = "startsExchange";
constexpr int ProgressDelayMs = 400;
} // namespace

void MainWindow::markExchangeControl(QObject* control) {
    control->setProperty(ExchangeProperty, true);
}

// One user operation: the controls that would start another exchange are disabled, the
// link forgets an earlier "Zrušit", and a progress dialog with "Zrušit" shows when the
// operation takes longer than a blink.
class MainWindow::OperationScope {
public:
    OperationScope(MainWindow& window, bool talksToUnit) : m_window(window) {
        window.m_operationRunning = true;
        window.m_link->clearCancel();
        for (QWidget* top : window.allWindows()) {
            for (QAction* action : top->findChildren<QAction*>())
                if (action->property(ExchangeProperty).toBool() && action->isEnabled()) {
                    action->setEnabled(false);
                    m_actions << action;
                }
            for (QWidget* control : top->findChildren<QWidget*>())
                if (control->property(ExchangeProperty).toBool() && control->isEnabled()) {
                    control->setEnabled(false);
                    m_widgets << control;
                }
        }
        if (!talksToUnit)
            return;
        QWidget* parent = QApplication::activeModalWidget();
        if (!parent)
            parent = QApplication::activeWindow();
        if (!parent)
            parent = &window;
        m_progress = new QProgressDialog(QStringLiteral("Probíhá komunikace s jednotkou…"),
                                         QStringLiteral("Zrušit"), 0, 0, parent);
        m_progress->setObjectName(QStringLiteral("Prubeh"));
        m_progress->setWindowTitle(QString::fromLatin1(MainWindow::Title));
        m_progress->setWindowModality(Qt::NonModal);
        m_progress->setAutoClose(false);
        m_progress->setAutoReset(false);
        m_progress->setMinimumDuration(ProgressDelayMs);
        m_progress->reset();
        QObject::connect(m_progress, &QProgressDialog::canceled, &window,
                         [&window] { window.m_link->cancel(); });
        QTimer::singleShot(ProgressDelayMs, m_progress, [this] {
            if (!m_messageOpen)
                m_progress->show();
        });
        window.m_feedback->onMessageBox = [this](bool open) {
            m_messageOpen = open;
            if (open) {
                m_wasShown = m_progress->isVisible();
                m_progress->hide();
            } else if (m_wasShown) {
                m_progress->show();
            }
        };
        window.m_feedback->onProgress = [p = m_progress](int done, int planned) {
            p->setMaximum(planned);
            p->setValue(done);
            p->setLabelText(QStringLiteral("Požadavek %1 z %2").arg(done).arg(planned));
        };
    }
    ~OperationScope() {
        m_window.m_feedback->onProgress = nullptr;
        m_window.m_feedback->onMessageBox = nullptr;
        delete m_progress.data(); // null when the operation did not talk to the unit
        for (const auto& action : m_actions)
            if (action)
                action->setEnabled(true);
        for (const auto& control : m_widgets)
            if (control)
                control->setEnabled(true);
        m_window.m_operationRunning = false;
    }

private:
    MainWindow& m_window;
    QPointer<QProgressDialog> m_progress;
    bool m_messageOpen = false;
    bool m_wasShown = false;
    QList<QPointer<QAction>> m_actions;
    QList<QPointer<QWidget>> m_widgets;
};

namespace {

struct WindowRow {
    const char* className;
    const char* formName;
    const char* title;
    const char* menuItem; // tick item of "Zobraz", with its mnemonic
    const char* prefix;   // title prefix that follows the address
};

// In creation order. The report form has no window and the dialogs are built apart.
const WindowRow WindowTable[] = {
    {"TFprehled", "Fprehled", "Přehled", nullptr, nullptr},
    {"TFvstupy", "Fvstupy", "Vstupy", "&Vstupy", "Vstupy - "},
    {"TFvystupy", "Fvystupy", "Výstupy", "Vý&stupy", "Výstupy - "},
    {"TFavystup", "Favystup", "Výstup 0-10V", "Výstup &0-10V", "Výstup 0-10V - "},
    {"TFrezim", "Frezim", "Režim", "&Režim", "Rezim - "},
    {"TFquel5", "Fquel5", "Quel5", "&Quel5", "Quel5.00.04 - "},
    {"TFtermostaty", "Ftermostaty", "Termostaty", "&Termostaty", "Termostaty - "},
    {"TFvrele", "Fvrele", "Virtuální relé", "Virtuální r&elé", "Viruální relé - "},
    {"TFstav", "Fstav", "Fstav", "St&av", nullptr},
    {"TFdiscoverer", "Fdisc", "Discoverer", "&Discoverer", nullptr},
};

// The order of the window keys in the settings file.
const char* const SessionWindowKeys[] = {"Favystup", "Frezim",   "Fquel5", "Ftermostaty", "Fvrele",
                                         "Fvstupy",  "Fvystupy", "Fstav",  "Fdisc"};
// The order of the tick items in "Zobraz".
const char* const MenuOrder[] = {"Fvstupy",     "Fvystupy", "Favystup", "Frezim", "Fquel5",
                                 "Ftermostaty", "Fvrele",   "Fstav",    "Fdisc"};

} // namespace

MainWindow::MainWindow(QSettings* settings, UserDialogs& dialogs)
    : m_settings(settings), m_dialogs(dialogs),
      m_placement(this, QStringLiteral("TForm1"), settings) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QString::fromLatin1(Title));

    m_address = new AddressBox(this);
    m_address->showMessage = [this](const QString& text) {
        m_dialogs.message(this, text, Severity::Warning);
    };
    m_port = new QSpinBox(this);
    m_port->setObjectName(QStringLiteral("Tport"));
    m_port->setRange(0, 65535);
    m_port->setValue(9760);
    m_port->setToolTip(QStringLiteral("TCP port"));
    connect(m_address, &AddressBox::addressChanged, this, &MainWindow::retitle);

    m_log = new QPlainTextEdit(this);
    m_log->setObjectName(QStringLiteral("Memo1"));
    m_log->setReadOnly(true);
    m_log->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    m_target = std::make_unique<Target>(m_address, m_port);
    m_feedback = std::make_unique<GuiFeedback>(m_dialogs, this, m_log);
    m_link = std::make_unique<DeviceLink>(*m_target, *m_feedback);
    m_workspace = std::make_unique<Workspace>(*m_link);
    m_workspace->onCaptionChanged = [this](const QString& caption) { setWindowTitle(caption); };

    auto* central = new QWidget(this);
    m_network = new NetworkFields(m_workspace->network(), central);
    m_workspace->setPage(PageSlot::Network, m_network);
    markExchangeControl(m_network->saveButton());
    connect(m_network->saveButton(), &QPushButton::clicked, this, [this] {
        uploadPages({true, 0, false, false});
    });
    auto* clear = new QPushButton(QStringLiteral("Clear"), central);
    clear->setObjectName(QStringLiteral("BClear"));
    connect(clear, &QPushButton::clicked, m_log, &QPlainTextEdit::clear);

    auto* layout = new QVBoxLayout(central);
    layout->addWidget(m_network);
    auto* logRow = new QHBoxLayout;
    logRow->addWidget(m_log, 1);
    logRow->addWidget(clear, 0, Qt::AlignTop);
    layout->addLayout(logRow, 1);
    setCentralWidget(central);

    buildWindows();
    buildMenus();
    applyRightsTable(allWindows(), 0);
}

MainWindow::~MainWindow() {
    // Every other window writes its placement while it is destroyed, after the main
    // window's keys.
    m_windows.clear();
    m_login.reset();
    m_password.reset();
    m_placement.windowDestroying();
}

void MainWindow::buildWindows() {
    for (const WindowRow& row : WindowTable) {
        WindowEntry entry;
        const QLatin1String className(row.className);
        if (className == QLatin1String("TFvrele")) {
            auto relays = std::make_unique<RelayWindow>(
                m_workspace->relays(), *m_workspace, m_settings, m_dialogs,
                [this](const std::function<void()>& op) { runOperation(op); },
                [this](const Selectors& selectors) { uploadPages(selectors); });
            m_workspace->setPage(PageSlot::Relays, relays.get());
            entry.window = std::move(relays);
        } else {
            entry.window = std::make_unique<ManagedWindow>(
                QString::fromLatin1(row.className), QString::fromLatin1(row.formName),
                QString::fromUtf8(row.title), m_settings);
            entry.window->resize(420, 300);
        }
        entry.prefix = row.prefix ? QString::fromUtf8(row.prefix) : QString();
        entry.toggle = nullptr;
        m_windows.push_back(std::move(entry));
        // The login and password dialogs come between the relay and status windows.
        if (QLatin1String(row.className) == QLatin1String("TFvrele")) {
            m_login = std::make_unique<LoginDialog>(m_settings, this);
            m_password = std::make_unique<PasswordDialog>(m_settings, this);
        }
    }
    m_login->login = [this](const QString& name, const QString& password) {
        int level = 0;
        if (m_operationRunning || !m_address->commitTyped())
            return level;
        OperationScope scope(*this, true);
        try {
            const auto status = requestLogin(*m_link, name, password);
            // An attempt that did not reach the unit is a refused login.
            level = status ? int(*status) : 0;
        } catch (const OperationError& e) {
            m_feedback->setWaitCursor(false);
            m_dialogs.message(m_login.get(), e.text(), Severity::Error);
        }
        return level;
    };
}

void MainWindow::buildMenus() {
    auto named = [this](QAction* action, const char* name) {
        action->setObjectName(QLatin1String(name));
        return action;
    };
    auto exchange = [](QAction* action) {
        markExchangeControl(action);
        return action;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Soubor"));
    exchange(file->menuAction());
    QAction* open = exchange(named(file->addAction(QStringLiteral("&Otevři")), "menuOtevri"));
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(open, &QAction::triggered, this, &MainWindow::openFile);
    QAction* save = exchange(named(file->addAction(QStringLiteral("&Ulož")), "menuUloz"));
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(save, &QAction::triggered, this, &MainWindow::saveFile);
    QAction* saveAs =
        exchange(named(file->addAction(QStringLiteral("Ulož &jako")), "menuUlozJako"));
    saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(saveAs, &QAction::triggered, this, &MainWindow::saveFileAs);
    QAction* print = exchange(named(file->addAction(QStringLiteral("&Tisk")), "menuTisk"));
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(print, &QAction::triggered, this,
            [this] { runOperation([this] { m_workspace->gatherPages(Selectors::all()); }); });

    QMenu* settings = menuBar()->addMenu(QStringLiteral("&Nastavení"));
    exchange(settings->menuAction());
    QAction* readAll =
        exchange(named(settings->addAction(QStringLiteral("&Načti vše")), "menuNactiVse"));
    readAll->setShortcut(QKeySequence(Qt::Key_F5));
    connect(readAll, &QAction::triggered, this,
            [this] { runLinkOperation([this] { m_workspace->readAll(); }); });
    connect(exchange(named(settings->addAction(QStringLiteral("Ulož &vše")), "menuUlozVse")),
            &QAction::triggered, this, [this] { uploadPages(Selectors::all()); });
    connect(exchange(named(settings->addAction(QStringLiteral("Ulož vše &mimo Ethernet")),
                           "menuUlozVseMimoEth")),
            &QAction::triggered, this, [this] { uploadPages(Selectors::allButNetwork()); });
    connect(exchange(named(settings->addAction(QStringLiteral("Změna &hesla")), "menuZmenaHesla")),
            &QAction::triggered, this, [this] { m_password->exec(); });

    QMenu* view = menuBar()->addMenu(QStringLiteral("&Zobraz"));
    for (const char* form : MenuOrder) {
        for (const WindowRow& row : WindowTable) {
            if (qstrcmp(row.formName, form) != 0)
                continue;
            ManagedWindow* window = this->window(QString::fromLatin1(row.className));
            QAction* toggle = view->addAction(QString::fromUtf8(row.menuItem));
            toggle->setObjectName(QStringLiteral("zobraz_") + QLatin1String(form));
            toggle->setCheckable(true);
            connect(toggle, &QAction::triggered, window, [window](bool on) {
                if (on) {
                    window->show();
                    window->raise();
                    window->activateWindow();
                } else {
                    window->hide();
                }
            });
            connect(window, &ManagedWindow::visibilityChanged, toggle, &QAction::setChecked);
            for (auto& entry : m_windows)
                if (entry.window.get() == window)
                    entry.toggle = toggle;
        }
    }
    m_moreItem = named(view->addAction(QStringLiteral("V&íce")), "zobraz_Fvice");
    m_moreItem->setCheckable(true);
    connect(m_moreItem, &QAction::toggled, m_network, &NetworkFields::setAdvancedVisible);
    ManagedWindow* overview = window(QStringLiteral("TFprehled"));
    connect(named(view->addAction(QStringLiteral("&Přehled stanic")), "zobraz_Fprehled"),
            &QAction::triggered, overview, [overview] {
                overview->show();
                overview->raise();
                overview->activateWindow();
            });

    QMenu* help = menuBar()->addMenu(QStringLiteral("Nápo&věda"));
    connect(named(help->addAction(QStringLiteral("&O programu")), "menuOProgramu"),
            &QAction::triggered, this, &MainWindow::showAbout);

    m_loginItem = exchange(named(menuBar()->addAction(QStringLiteral("Login")), "TBXItem8"));
    connect(m_loginItem, &QAction::triggered, this, &MainWindow::loginOrLogout);

    auto* target = new QWidget(this);
    auto* targetLayout = new QHBoxLayout(target);
    targetLayout->setContentsMargins(4, 0, 4, 0);
    targetLayout->addWidget(new QLabel(QStringLiteral("IP"), target));
    targetLayout->addWidget(m_address);
    targetLayout->addWidget(new QLabel(QStringLiteral("Port"), target));
    targetLayout->addWidget(m_port);
    m_address->setMinimumWidth(120);
    menuBar()->setCornerWidget(target, Qt::TopRightCorner);
}

ManagedWindow* MainWindow::window(const QString& className) const {
    for (const auto& entry : m_windows)
        if (entry.window->objectName() == className)
            return entry.window.get();
    return nullptr;
}

QList<QWidget*> MainWindow::allWindows() const {
    QList<QWidget*> list{const_cast<MainWindow*>(this)};
    for (const auto& entry : m_windows)
        list << entry.window.get();
    list << m_login.get() << m_password.get();
    return list;
}

QAction* MainWindow::action(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

QList<std::pair<QWidget*, QString>> MainWindow::addressTitledWindows() const {
    QList<std::pair<QWidget*, QString>> list;
    for (const auto& entry : m_windows)
        if (!entry.prefix.isEmpty())
            list.append({entry.window.get(), entry.prefix});
    list.append({m_login.get(), QStringLiteral("Přihlášení - ")});
    list.append({m_password.get(), QStringLiteral("Změna hesla - ")});
    return list;
}

void MainWindow::retitle(const QString& address) {
    for (const auto& [window, prefix] : addressTitledWindows())
        window->setWindowTitle(prefix + address);
}

QString MainWindow::programFolder() const {
    return QCoreApplication::applicationDirPath();
}

void MainWindow::runOperation(const std::function<void()>& operation) {
    runOperation(operation, false);
}

void MainWindow::runOperation(const std::function<void()>& operation, bool talksToUnit) {
    // The disabled controls keep a second operation out; a timer or a queued event that
    // still gets here does not start one either.
    if (m_operationRunning || m_workspace->isBusy())
        return;
    OperationScope scope(*this, talksToUnit);
    try {
        operation();
    } catch (const Cancelled& e) {
        m_feedback->setWaitCursor(false);
        m_feedback->log(e.text());
    } catch (const OperationError& e) {
        m_feedback->setWaitCursor(false);
        m_dialogs.message(this, e.text(), Severity::Error);
    } catch (const std::exception& e) {
        m_feedback->setWaitCursor(false);
        m_dialogs.message(this, QString::fromLocal8Bit(e.what()), Severity::Error);
    }
}

void MainWindow::runLinkOperation(const std::function<void()>& operation) {
    if (m_operationRunning || !m_address->commitTyped())
        return;
    runOperation(operation, true);
}

void MainWindow::uploadPages(const Selectors& selectors) {
    runLinkOperation([this, selectors] {
        const UploadReport report = m_workspace->uploadConfig(selectors);
        if (report.refusedAddresses.isEmpty())
            return;
        QStringList addresses;
        for (int a : report.refusedAddresses)
            addresses << QString::number(a);
        m_feedback->message(QStringLiteral("Jednotka odmítla část nahrávané konfigurace."),
                            Severity::Warning,
                            QStringLiteral("Odmítnuté adresy: %1.").arg(addresses.join(", ")));
    });
}

void MainWindow::loadCurrentFile() {
    runOperation([this] {
        const qint64 size = m_workspace->loadConfigFile();
        if (size < mem::ImageSize)
            m_dialogs.message(this,
                              QStringLiteral("Soubor %1 měl jen %2 bajtů z %3. Načetla se jen "
                                             "tato část, zbytek konfigurace zůstal, jak byl.")
                                  .arg(QFileInfo(m_workspace->currentFile()).fileName())
                                  .arg(size)
                                  .arg(mem::ImageSize),
                              Severity::Info);
    });
}

void MainWindow::showAbout() {
    m_dialogs.about(this, QStringLiteral("O programu"),
                    QStringLiteral("<b>Quel5</b> – konfigurace a servis jednotek Quel5<br>"
                                   "Verze %1 (%2)<br>Qt %3")
                        .arg(QStringLiteral(QUEL5_VERSION), QString::fromLatin1(Title),
                             QString::fromLatin1(qVersion())));
}

void MainWindow::openFile() {
    const QString path = m_dialogs.openFile(this, programFolder());
    if (path.isEmpty())
        return;
    m_workspace->setCurrentFile(path);
    loadCurrentFile();
}

void MainWindow::saveFile() {
    if (m_workspace->currentFile().isEmpty()) {
        const QString path = m_dialogs.saveFile(this, programFolder(), QString());
        if (path.isEmpty())
            return;
        m_workspace->setCurrentFile(path);
    }
    runOperation([this] { m_workspace->saveConfigFile(); });
}

void MainWindow::saveFileAs() {
    const QString path =
        m_dialogs.saveFile(this, programFolder(), m_network->nbName() + QStringLiteral(".ql5"));
    if (path.isEmpty())
        return;
    m_workspace->setCurrentFile(path);
    runOperation([this] { m_workspace->saveConfigFile(); });
}

void MainWindow::loginOrLogout() {
    if (m_loginItem->text() != QLatin1String("Logout")) {
        m_login->resetLevel(m_rightsLevel);
        m_login->exec();
        m_rightsLevel = m_login->grantedLevel();
    } else {
        runLinkOperation([this] { logoutFromUnit(*m_link); });
        m_login->clearPassword();
        m_rightsLevel = 3;
    }
    applyRights();
}

void MainWindow::applyRights() {
    applyRightsTable(allWindows(), m_rightsLevel);
    if (m_rightsLevel == 2) {
        m_password->showAccount(findChild<QLineEdit*>(QStringLiteral("LMDAdmin"))->text(), true);
        m_loginItem->setText(QStringLiteral("Logout"));
    } else if (m_rightsLevel == 1) {
        m_password->showAccount(findChild<QLineEdit*>(QStringLiteral("LMDuziv"))->text(), false);
        m_loginItem->setText(QStringLiteral("Logout"));
    } else {
        m_loginItem->setText(QStringLiteral("Login"));
        if (m_rightsLevel == 0)
            m_dialogs.message(this, QStringLiteral("Chyba při přihlášení"), Severity::Warning);
        m_rightsLevel = 0;
    }
}

void MainWindow::restoreSession() {
    if (!m_settings)
        return;
    m_settings->beginGroup(QStringLiteral("TForm1"));
    // The windows are shown once the main window's section is closed again: each reads
    // its own placement from its own section as it shows.
    QList<ManagedWindow*> reopen;
    for (const char* key : SessionWindowKeys) {
        if (m_settings->value(QLatin1String(key), 0).toInt() != 1)
            continue;
        for (auto& entry : m_windows)
            if (entry.window->formName() == QLatin1String(key))
                reopen << entry.window.get();
    }
    const bool more = m_settings->value(QStringLiteral("Fvice"), 0).toInt() == 1;
    const QString file = settingsText(*m_settings, QStringLiteral("SOUBOR"));
    // The count comes from a file anyone may have edited: read the entries that exist.
    const int count = m_settings->value(QStringLiteral("IP_ADR_count"), 0).toInt();
    QStringList history;
    for (int n = 0; n < count; ++n) {
        const QString key = QStringLiteral("IP_ADR_%1").arg(n);
        if (!m_settings->contains(key))
            break;
        history << settingsText(*m_settings, key);
    }
    const int selected = m_settings->value(QStringLiteral("IP_ADR_idx"), -1).toInt();
    m_settings->endGroup();

    for (ManagedWindow* window : reopen)
        window->show();
    if (more)
        m_moreItem->setChecked(true);

    if (!file.isEmpty() && QFileInfo(file).isFile()) {
        m_workspace->setCurrentFile(file);
        loadCurrentFile();
    } else {
        m_workspace->setCurrentFile(QString());
    }
    m_address->setHistory(history, selected);
}

void MainWindow::saveSession() {
    if (!m_settings)
        return;
    m_settings->beginGroup(QStringLiteral("TForm1"));
    m_settings->setValue(QStringLiteral("SOUBOR"), m_workspace->currentFile());
    for (const char* key : SessionWindowKeys) {
        for (const auto& entry : m_windows) {
            if (entry.window->formName() != QLatin1String(key))
                continue;
            const bool open =
                entry.window->isVisible() || (entry.toggle && entry.toggle->isChecked());
            m_settings->setValue(QLatin1String(key), open ? 1 : 0);
        }
    }
    m_settings->setValue(QStringLiteral("Fvice"), m_moreItem->isChecked() ? 1 : 0);
    const QStringList history = m_address->history();
    m_settings->setValue(QStringLiteral("IP_ADR_count"), int(history.size()));
    m_settings->setValue(QStringLiteral("IP_ADR_idx"), m_address->currentIndex());
    for (int n = 0; n < history.size(); ++n)
        m_settings->setValue(QStringLiteral("IP_ADR_%1").arg(n), history[n]);
    m_settings->endGroup();
    m_settings->sync();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A transfer that waits for the unit ends within its time-out or with "Zrušit"; the
    // tool closes after.
    if (m_operationRunning || m_workspace->isBusy()) {
        event->ignore();
        return;
    }
    // The placement store has written the window's own keys on this event already.
    saveSession();
    QMainWindow::closeEvent(event);
    emit closed();
}
