#include "app/MainWindow.h"
#include "base/Language.h"
#include "kit/Retranslate.h"

#include "app/AppSetup.h"
#include "app/Rights.h"
#include "app/WindowTable.h"
#include "editors/NetworkPage.h"
#include "kit/Dialogs.h"
#include "kit/ExchangeControls.h"
#include "kit/FieldBinder.h"
#include "monitor/Discovery.h"
#include "monitor/ServicePanel.h"
#include "print/ReportPainter.h"
#include "workspace/Report.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <optional>
#include <tuple>
#include <utility>

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

// The main window's own keys in its section of the settings file, for both directions.
namespace session {
const QString Section = QStringLiteral("TForm1");
const QString File = QStringLiteral("SOUBOR");
const QString More = QStringLiteral("Fvice");
const QString Verify = QStringLiteral("OveritZapis");
const QString HistoryCount = QStringLiteral("IP_ADR_count");
const QString HistoryIndex = QStringLiteral("IP_ADR_idx");
QString historyEntry(int n) {
    return QStringLiteral("IP_ADR_%1").arg(n);
}
// The windows that were open, by form name, in the order both directions take them.
const char* const Windows[] = {"Favystup", "Frezim",   "Fquel5", "Ftermostaty", "Fvrele",
                               "Fvstupy",  "Fvystupy", "Fstav",  "Fdisc"};
} // namespace session

} // namespace

MainWindow::MainWindow(QSettings* settings, UserDialogs& dialogs)
    : m_settings(settings), m_dialogs(dialogs),
      m_placement(this, QStringLiteral("TForm1"), settings) {
    setObjectName(QStringLiteral("TForm1"));
    followLanguage(this);
    setWindowTitle(QString::fromLatin1(Title) + QStringLiteral("[*]"));

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
    m_runner = std::make_unique<OperationRunner>(*m_workspace);
    m_workspace->onCaptionChanged = [this](const QString& caption) {
        setWindowTitle(caption + QStringLiteral("[*]"));
    };
    m_workspace->confirmGuarded = [this](const QStringList& changes) {
        return m_dialogs.ask(this, tx("gui", "Nahrání změní síťová nastavení jednotky:\n%1\n\n"
                                             "Opravdu nahrát?")
                                       .arg(changes.join(QLatin1Char('\n'))));
    };

    auto* central = new QWidget(this);
    m_network = new NetworkFields(central);
    m_networkBinder =
        new FieldBinder(m_network, m_workspace->pageAs<NetworkPage>(PageSlot::Network));
    connect(m_networkBinder, &FieldBinder::userEdited, this,
            [this] { noteEdited(PageSlot::Network); });
    markExchangeControl(m_network->saveButton());
    connect(m_network->saveButton(), &QPushButton::clicked, this,
            [this] { uploadPages(Selectors::only(PageSlot::Network)); });
    auto* clear = new QPushButton(tx("gui", "Clear"), central);
    clear->setObjectName(QStringLiteral("BClear"));
    connect(clear, &QPushButton::clicked, m_log, &QPlainTextEdit::clear);

    // Created hidden; "Servisní panel" in "Zobraz" shows it.
    m_service = new ServicePanel(
        central, *m_link, *m_feedback,
        [this](const std::function<void()>& f) { runLinkOperation(f); },
        [this](const QString& q) { return m_dialogs.ask(this, q); });
    m_service->hide();

    auto* layout = new QVBoxLayout(central);
    layout->addWidget(m_network);
    layout->addWidget(m_service);
    auto* logRow = new QHBoxLayout;
    logRow->addWidget(m_log, 1);
    logRow->addWidget(clear, 0, Qt::AlignTop);
    layout->addLayout(logRow, 1);
    setCentralWidget(central);

    buildWindows();
    buildMenus();
    applyRightsTable(allWindows(), Rights::Nobody);
}

MainWindow::~MainWindow() {
    // Every other window writes its placement while it is destroyed, after the main
    // window's keys.
    delete m_networkBinder;
    m_windows.clear();
    m_login.reset();
    m_password.reset();
    m_placement.windowDestroying();
}

void MainWindow::buildWindows() {
    m_context = std::make_unique<WindowContext>(
        WindowContext{*m_workspace, m_settings, m_dialogs,
                      [this](const std::function<void()>& op) { runOperation(op); },
                      [this](const std::function<void()>& op) { runLinkOperation(op); },
                      [this](const Selectors& selectors) { uploadPages(selectors); }, m_udp,
                      [this] { return searchTarget(); },
                      [this](const QString& address, quint16 port) { setTarget(address, port); },
                      [this] { return m_address->currentText(); },
                      [this](const QString& form) { return showWindow(form); }});
    // Each window is made the first time something needs it (see windowAt), so that the
    // main window shows at once.
    for (const WindowRow& row : windowTable()) {
        m_windows.push_back({nullptr, row.prefix, nullptr});
        // The login and password dialogs come between the relay and status windows.
        if (row.page == int(PageSlot::Relays)) {
            m_login = std::make_unique<LoginDialog>(m_settings, this);
            m_password = std::make_unique<PasswordDialog>(m_settings, this);
        }
    }
    m_login->login = [this](const QString& name, const QString& password) {
        return login(name, password);
    };
}

ManagedWindow* MainWindow::windowAt(size_t i) {
    WindowEntry& entry = m_windows[i];
    if (entry.window)
        return entry.window.get();
    const WindowRow& row = windowTable()[i];
    entry.window = row.create(row, *m_context);
    ManagedWindow* window = entry.window.get();
    // What every window gets from the main window: the edits it reports, its tick in
    // "Zobraz", the rights of the moment, the unit's address in its title.
    if (row.page >= 0)
        connect(window, &ManagedWindow::userEdited, this,
                [this, slot = PageSlot(row.page)] { noteEdited(slot); });
    if (entry.toggle)
        connect(window, &ManagedWindow::visibilityChanged, entry.toggle, &QAction::setChecked);
    applyRightsTable({window}, m_rights);
    if (entry.prefix && m_titleAddress)
        window->setWindowTitle(tx("windows", entry.prefix) + *m_titleAddress);
    return window;
}

void MainWindow::buildMenus() {
    buildFileMenu();
    buildSettingsMenu();
    buildViewMenu();

    QMenu* help = menuBar()->addMenu(tx("gui", "Nápo&věda"));
    QAction* about = help->addAction(tx("gui", "&O programu"));
    about->setObjectName(QStringLiteral("menuOProgramu"));
    connect(about, &QAction::triggered, this, &MainWindow::showAbout);

    m_loginItem = menuBar()->addAction(tx("gui", "Login"));
    m_loginItem->setObjectName(QStringLiteral("TBXItem8"));
    markExchangeControl(m_loginItem);
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

namespace {
// A menu item that starts an exchange or changes the image.
QAction* item(QMenu* menu, const QString& text, const char* name, const QKeySequence& keys = {}) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(keys);
    markExchangeControl(action);
    return action;
}
} // namespace

void MainWindow::buildFileMenu() {
    QMenu* file = menuBar()->addMenu(tx("gui", "&Soubor"));
    markExchangeControl(file->menuAction());
    connect(item(file, tx("gui", "&Otevři"), "menuOtevri", Qt::CTRL | Qt::Key_O),
            &QAction::triggered, this, &MainWindow::openFile);
    connect(item(file, tx("gui", "&Ulož"), "menuUloz", Qt::CTRL | Qt::Key_S), &QAction::triggered,
            this, &MainWindow::saveFile);
    connect(item(file, tx("gui", "Ulož &jako"), "menuUlozJako", Qt::CTRL | Qt::SHIFT | Qt::Key_S),
            &QAction::triggered, this, &MainWindow::saveFileAs);
    connect(item(file, tx("gui", "&Tisk"), "menuTisk", Qt::CTRL | Qt::Key_P), &QAction::triggered,
            this, [this] { print(ReportKind::Printout); });
    connect(item(file, tx("gui", "Tisk &záznamu o nastavení…"), "menuTiskZaznamu"),
            &QAction::triggered, this, [this] { print(ReportKind::Record); });
}

void MainWindow::print(ReportKind kind) {
    // The image brought up to date with every window, then the report of it.
    std::optional<Report> report;
    runOperation([this, &report] {
        m_workspace->gatherPages(Selectors::all());
        report = buildReport(*m_workspace, m_workspace->currentFile(), QDate::currentDate());
    });
    if (report)
        m_dialogs.printPreview(
            this, reportPageLayout(),
            [&report, kind](QPagedPaintDevice& device) { paintReport(device, *report, kind); });
}

void MainWindow::buildSettingsMenu() {
    QMenu* settings = menuBar()->addMenu(tx("gui", "&Nastavení"));
    markExchangeControl(settings->menuAction());
    connect(item(settings, tx("gui", "&Načti vše"), "menuNactiVse", Qt::Key_F5),
            &QAction::triggered, this, [this] {
                runLinkOperation([this] {
                    if (m_workspace->readAll())
                        noteStored(Selectors::all());
                });
            });
    connect(item(settings, tx("gui", "&Porovnej s jednotkou"), "menuPorovnej"), &QAction::triggered,
            this, &MainWindow::compareWithUnit);
    connect(item(settings, tx("gui", "Ulož &vše"), "menuUlozVse"), &QAction::triggered, this,
            [this] { uploadPages(Selectors::all()); });
    connect(item(settings, tx("gui", "Ulož vše &mimo Ethernet"), "menuUlozVseMimoEth"),
            &QAction::triggered, this, [this] { uploadPages(Selectors::allButNetwork()); });
    connect(item(settings, tx("gui", "Změna &hesla"), "menuZmenaHesla"), &QAction::triggered, this,
            [this] { m_password->exec(); });
    // Every upload reads back what it wrote, unless this is unticked.
    m_verifyItem = item(settings, tx("gui", "&Ověřit zápis"), "menuOveritZapis");
    m_verifyItem->setCheckable(true);
    m_verifyItem->setChecked(true);
    connect(m_verifyItem, &QAction::toggled, this,
            [this](bool on) { m_workspace->setVerifyUploads(on); });

    // The language, at once for every window, kept for the next start.
    QMenu* languages = settings->addMenu(tx("gui", "&Jazyk"));
    languages->menuAction()->setObjectName(QStringLiteral("menuJazyk"));
    auto* group = new QActionGroup(languages);
    for (const auto& [lang, text, name] :
         {std::tuple{language::Lang::Czech, "Čeština", "menuJazykCs"},
          std::tuple{language::Lang::English, "English", "menuJazykEn"}}) {
        QAction* choice = languages->addAction(QString::fromUtf8(text));
        choice->setObjectName(QLatin1String(name));
        choice->setCheckable(true);
        choice->setChecked(language::current() == lang);
        group->addAction(choice);
        connect(choice, &QAction::triggered, this, [this, lang] {
            if (m_settings)
                m_settings->setValue(QLatin1String(LanguageKey), language::code(lang));
            if (language::current() != lang)
                language::apply(lang);
        });
    }
}

void MainWindow::buildViewMenu() {
    QMenu* view = menuBar()->addMenu(tx("gui", "&Zobraz"));
    const std::vector<WindowRow>& table = windowTable();
    const auto showOrHide = [this](size_t i, bool on) {
        ManagedWindow* window = windowAt(i);
        if (on) {
            window->show();
            window->raise();
            window->activateWindow();
        } else {
            window->hide();
        }
    };
    for (size_t i = 0; i < table.size(); ++i) {
        if (!table[i].menuItem)
            continue;
        QAction* toggle = view->addAction(tx("windows", table[i].menuItem));
        toggle->setObjectName(QStringLiteral("zobraz_") + table[i].form());
        toggle->setCheckable(true);
        connect(toggle, &QAction::triggered, this, [showOrHide, i](bool on) { showOrHide(i, on); });
        m_windows[i].toggle = toggle;
    }
    QAction* service = view->addAction(tx("gui", "Servisní pa&nel"));
    service->setObjectName(QStringLiteral("zobraz_servis"));
    service->setCheckable(true);
    service->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_D);
    connect(service, &QAction::toggled, this, [this](bool on) {
        m_service->setVisible(on);
        // The panel does not take the log's lines: the window grows by it (as far as the
        // screen allows) and gives the height back when it goes.
        if (isMaximized() || isFullScreen())
            return;
        const int panel = m_service->sizeHint().height();
        int height = this->height() + (on ? panel : -panel);
        if (const QScreen* screen = this->screen())
            height = std::min(height, screen->availableGeometry().height());
        resize(width(), std::max(height, minimumSizeHint().height()));
    });
    m_moreItem = view->addAction(tx("gui", "V&íce"));
    m_moreItem->setObjectName(QStringLiteral("zobraz_Fvice"));
    m_moreItem->setCheckable(true);
    connect(m_moreItem, &QAction::toggled, m_network, &NetworkFields::setAdvancedVisible);
    QAction* stations = view->addAction(tx("gui", "&Přehled stanic"));
    stations->setObjectName(QStringLiteral("zobraz_Fprehled"));
    for (size_t i = 0; i < table.size(); ++i)
        if (table[i].windowClass() == QLatin1String("TFprehled"))
            connect(stations, &QAction::triggered, this, [showOrHide, i] { showOrHide(i, true); });
}

ManagedWindow* MainWindow::window(const QString& className) const {
    const std::vector<WindowRow>& table = windowTable();
    for (size_t i = 0; i < table.size(); ++i)
        if (table[i].windowClass() == className)
            return const_cast<MainWindow*>(this)->windowAt(i);
    return nullptr;
}

QList<QWidget*> MainWindow::allWindows() const {
    QList<QWidget*> list{const_cast<MainWindow*>(this)};
    for (const auto& entry : m_windows)
        if (entry.window)
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
        if (entry.window && entry.prefix)
            list.append({entry.window.get(), tx("windows", entry.prefix)});
    list.append({m_login.get(), tx("gui", "Přihlášení - ")});
    list.append({m_password.get(), tx("gui", "Změna hesla - ")});
    return list;
}

void MainWindow::retitle(const QString& address) {
    m_titleAddress = address;
    for (const auto& [window, prefix] : addressTitledWindows())
        window->setWindowTitle(prefix + address);
}

QString MainWindow::programFolder() const {
    return QCoreApplication::applicationDirPath();
}

void MainWindow::loginOrLogout() {
    if (m_rights != Rights::Admin && m_rights != Rights::User) {
        m_login->resetLevel(int(m_rights));
        m_login->exec();
        m_rights = Rights(std::uint8_t(m_login->grantedLevel()));
    } else {
        runLinkOperation([this] { logoutFromUnit(*m_link); });
        m_login->clearPassword();
        m_rights = Rights::LoggedOut;
    }
    applyRights();
}

void MainWindow::applyRights() {
    applyRightsTable(allWindows(), m_rights);
    if (m_rights == Rights::Admin) {
        m_password->showAccount(findChild<QLineEdit*>(QStringLiteral("LMDAdmin"))->text(), true);
        m_loginItem->setText(tx("gui", "Logout"));
    } else if (m_rights == Rights::User) {
        m_password->showAccount(findChild<QLineEdit*>(QStringLiteral("LMDuziv"))->text(), false);
        m_loginItem->setText(tx("gui", "Logout"));
    } else {
        // A refused or cancelled login says so; a logout or an unknown level does not.
        m_loginItem->setText(tx("gui", "Login"));
        if (m_rights == Rights::Nobody)
            m_dialogs.message(this, tx("gui", "Chyba při přihlášení"), Severity::Warning);
        m_rights = Rights::Nobody;
    }
}

void MainWindow::restoreSession() {
    if (!m_settings)
        return;
    m_settings->beginGroup(session::Section);
    // The windows are shown once the main window's section is closed again: each reads
    // its own placement from its own section as it shows.
    std::vector<size_t> reopen;
    for (const char* key : session::Windows) {
        if (m_settings->value(QLatin1String(key), 0).toInt() != 1)
            continue;
        for (size_t i = 0; i < m_windows.size(); ++i)
            if (windowTable()[i].form() == QLatin1String(key))
                reopen.push_back(i);
    }
    const bool more = m_settings->value(session::More, 0).toInt() == 1;
    m_verifyItem->setChecked(m_settings->value(session::Verify, 1).toInt() != 0);
    const QString file = settingsText(*m_settings, session::File);
    // The count comes from a file anyone may have edited: read the entries that exist.
    const int count = m_settings->value(session::HistoryCount, 0).toInt();
    QStringList history;
    for (int n = 0; n < count && m_settings->contains(session::historyEntry(n)); ++n)
        history << settingsText(*m_settings, session::historyEntry(n));
    const int selected = m_settings->value(session::HistoryIndex, -1).toInt();
    m_settings->endGroup();

    // Made and shown after the main window is on the screen (each reads its own placement
    // as it shows); a main window that is not shown yet gets them at once.
    m_pendingReopen = reopen;
    QWindow* handle = windowHandle();
    if (!reopen.empty() && isVisible() && handle && !handle->isExposed()) {
        handle->installEventFilter(this);
        QTimer::singleShot(2000, this, &MainWindow::reopenPending);
    } else {
        reopenPending();
    }
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

void MainWindow::reopenPending() {
    if (QWindow* handle = windowHandle())
        handle->removeEventFilter(this);
    for (size_t i : std::exchange(m_pendingReopen, {}))
        windowAt(i)->show();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Expose &&
        windowHandle()->isExposed() && !m_pendingReopen.empty())
        QTimer::singleShot(0, this, &MainWindow::reopenPending);
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::saveSession() {
    if (!m_settings)
        return;
    m_settings->beginGroup(session::Section);
    m_settings->setValue(session::File, m_workspace->currentFile());
    for (const char* key : session::Windows) {
        for (size_t i = 0; i < m_windows.size(); ++i) {
            const WindowEntry& entry = m_windows[i];
            if (windowTable()[i].form() != QLatin1String(key))
                continue;
            const bool open = (entry.window && entry.window->isVisible()) ||
                              (entry.toggle && entry.toggle->isChecked()) ||
                              std::find(m_pendingReopen.begin(), m_pendingReopen.end(), i) !=
                                  m_pendingReopen.end();
            m_settings->setValue(QLatin1String(key), open ? 1 : 0);
        }
    }
    m_settings->setValue(session::More, m_moreItem->isChecked() ? 1 : 0);
    m_settings->setValue(session::Verify, m_verifyItem->isChecked() ? 1 : 0);
    const QStringList history = m_address->history();
    m_settings->setValue(session::HistoryCount, int(history.size()));
    m_settings->setValue(session::HistoryIndex, m_address->currentIndex());
    for (int n = 0; n < history.size(); ++n)
        m_settings->setValue(session::historyEntry(n), history[n]);
    m_settings->endGroup();
    m_settings->sync();
}

std::pair<QHostAddress, quint16> MainWindow::searchTarget() const {
    if (m_searchTarget)
        return *m_searchTarget;
    QHostAddress address(discovery::DefaultTarget);
    quint16 port = discovery::DefaultPort;
    if (m_settings) {
        const QHostAddress stored(
            m_settings->value(QStringLiteral("TFdiscoverer/SearchAddress")).toString());
        if (!stored.isNull())
            address = stored;
        bool ok = false;
        const int storedPort =
            m_settings->value(QStringLiteral("TFdiscoverer/SearchPort")).toInt(&ok);
        if (ok && storedPort > 0 && storedPort <= 65535)
            port = quint16(storedPort);
    }
    return {address, port};
}

void MainWindow::setSearchTarget(const QHostAddress& address, quint16 port) {
    m_searchTarget = std::make_pair(address, port);
}

ManagedWindow* MainWindow::showWindow(const QString& form) {
    const std::vector<WindowRow>& table = windowTable();
    for (size_t i = 0; i < table.size(); ++i) {
        if (table[i].form() != form)
            continue;
        ManagedWindow* window = windowAt(i);
        if (m_windows[i].toggle)
            m_windows[i].toggle->setChecked(true);
        window->show();
        window->raise();
        window->activateWindow();
        return window;
    }
    return nullptr;
}

void MainWindow::setTarget(const QString& address, quint16 port) {
    m_address->setEditText(address);
    if (m_address->commitTyped())
        m_port->setValue(port);
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        // Each window's title from its row; those that carry the unit's address with it.
        for (size_t i = 0; i < m_windows.size(); ++i)
            if (m_windows[i].window)
                m_windows[i].window->setWindowTitle(windowTable()[i].windowTitle());
        if (m_titleAddress)
            retitle(*m_titleAddress);
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A transfer cannot be dropped half way from under its own event loop: the user may
    // stop it, and the tool closes as soon as it has ended.
    if (m_runner->running()) {
        event->ignore();
        if (!m_closeWhenDone &&
            m_dialogs.ask(this, tx("gui", "Probíhá přenos s jednotkou.\nPřerušit ho a "
                                          "ukončit program?"))) {
            m_closeWhenDone = true;
            m_link->cancel();
        }
        return;
    }
    if (!settleEdits()) {
        event->ignore();
        return;
    }
    // The placement store has written the window's own keys on this event already.
    saveSession();
    QMainWindow::closeEvent(event);
    emit closed();
}
