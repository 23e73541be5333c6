// The main window's operations: how a user operation runs (controls held back, progress,
// errors shown), the uploads, the file commands and the login exchange.
#include "app/MainWindow.h"
#include "base/Language.h"

#include "app/CompareDialog.h"
#include "app/Rights.h"
#include "base/Errors.h"
#include "kit/Dialogs.h"
#include "kit/ExchangeControls.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QProgressDialog>
#include <QTimer>

namespace {
constexpr const char* ExchangeProperty = "startsExchange";
constexpr int ProgressDelayMs = 400;
} // namespace

void markExchangeControl(QObject* control) {
    control->setProperty(ExchangeProperty, true);
}

bool isExchangeControl(const QObject* control) {
    return control->property(ExchangeProperty).toBool();
}

// One user operation: the controls that would start another exchange are disabled, the
// link forgets an earlier "Zrušit", and for an exchange a progress dialog with "Zrušit"
// shows when it takes longer than a blink.
class MainWindow::OperationScope {
public:
    OperationScope(MainWindow& window, bool talksToUnit) : m_window(window) {
        for (QWidget* top : window.allWindows()) {
            for (QAction* action : top->findChildren<QAction*>())
                if (isExchangeControl(action) && action->isEnabled()) {
                    action->setEnabled(false);
                    m_actions << action;
                }
            for (QWidget* control : top->findChildren<QWidget*>())
                if (isExchangeControl(control) && control->isEnabled()) {
                    control->setEnabled(false);
                    m_widgets << control;
                }
        }
        if (talksToUnit)
            showProgress();
    }
    ~OperationScope() {
        closeProgress();
        for (const auto& action : m_actions)
            if (action)
                action->setEnabled(true);
        for (const auto& control : m_widgets)
            if (control)
                control->setEnabled(true);
    }

    // The operation has ended: its progress box goes before a failure is said.
    void closeProgress() {
        m_window.m_feedback->onProgress = nullptr;
        m_window.m_feedback->onMessageBox = nullptr;
        delete m_progress.data();
    }

private:
    void showProgress() {
        QWidget* parent = QApplication::activeModalWidget();
        if (!parent)
            parent = QApplication::activeWindow();
        if (!parent)
            parent = &m_window;
        m_progress = new QProgressDialog(tx("gui", "Probíhá komunikace s jednotkou…"),
                                         tx("gui", "Zrušit"), 0, 0, parent);
        m_progress->setObjectName(QStringLiteral("Prubeh"));
        m_progress->setWindowTitle(QString::fromLatin1(MainWindow::Title));
        m_progress->setWindowModality(Qt::NonModal);
        m_progress->setAutoClose(false);
        m_progress->setAutoReset(false);
        m_progress->setMinimumDuration(ProgressDelayMs);
        m_progress->reset();
        QObject::connect(m_progress, &QProgressDialog::canceled, &m_window,
                         [w = &m_window] { w->m_runner->cancel(); });
        QTimer::singleShot(ProgressDelayMs, m_progress, [this] {
            if (!m_messageOpen)
                m_progress->show();
        });
        // A message box in the middle of the operation pushes the progress aside.
        m_window.m_feedback->onMessageBox = [this](bool open) {
            m_messageOpen = open;
            if (open) {
                m_wasShown = m_progress->isVisible();
                m_progress->hide();
            } else if (m_wasShown) {
                m_progress->show();
            }
        };
        m_window.m_feedback->onProgress = [p = m_progress](int done, int planned) {
            p->setMaximum(planned);
            p->setValue(done);
            p->setLabelText(tx("gui", "Požadavek %1 z %2").arg(done).arg(planned));
        };
    }

    MainWindow& m_window;
    QPointer<QProgressDialog> m_progress;
    bool m_messageOpen = false;
    bool m_wasShown = false;
    QList<QPointer<QAction>> m_actions;
    QList<QPointer<QWidget>> m_widgets;
};

void MainWindow::runOperation(const std::function<void()>& operation) {
    runOperation(operation, false);
}

void MainWindow::runOperation(const std::function<void()>& operation, bool talksToUnit) {
    // The disabled controls keep a second operation out; a timer or a queued event that
    // still gets here does not start one either.
    if (m_runner->running())
        return;
    {
        OperationScope scope(*this, talksToUnit);
        const OperationRunner::Result result = m_runner->run(operation);
        if (result.outcome == OperationRunner::Outcome::Cancelled) {
            m_feedback->log(result.text);
        } else if (result.outcome == OperationRunner::Outcome::Failed) {
            scope.closeProgress();
            if (!m_closeWhenDone)
                m_dialogs.message(this, result.text, Severity::Error);
        }
    }
    if (m_closeWhenDone)
        QTimer::singleShot(0, this, [this] {
            m_closeWhenDone = false;
            close();
        });
}

void MainWindow::runLinkOperation(const std::function<void()>& operation) {
    if (m_runner->running() || !m_address->commitTyped())
        return;
    runOperation(operation, true);
}

bool MainWindow::uploadPages(const Selectors& selectors) {
    bool ok = false;
    runLinkOperation([this, selectors, &ok] {
        const UploadReport report = m_workspace->uploadConfig(selectors);
        ok = report.ok();
        if (ok)
            noteStored(selectors);
        if (!report.mismatches.isEmpty() || report.verifyIncomplete)
            m_feedback->message(tx("gui", "Jednotka nedrží vše, co jí bylo zapsáno."),
                                Severity::Warning, report.verifySummary());
        // A refused record has said so in its own message already.
        if (report.refusedChunks == 0)
            return;
        QStringList addresses;
        for (int a : report.refusedAddresses)
            addresses << QString::number(a);
        m_feedback->message(tx("gui", "Jednotka odmítla část nahrávané konfigurace."),
                            Severity::Warning,
                            tx("gui", "Odmítnuté adresy: %1.").arg(addresses.join(", ")));
    });
    return ok;
}

void MainWindow::compareWithUnit() {
    std::optional<std::vector<FieldChange>> changes;
    runLinkOperation([this, &changes] {
        ConfigImage unit;
        if (!m_workspace->readUnit(unit))
            return;
        // The windows as a save would store them, against the unit.
        changes = diffImages(unit, m_workspace->gatheredCopy());
    });
    if (!changes)
        return;
    const QString unit = m_link->target().host();
    if (changes->empty()) {
        m_feedback->log(tx("gui", "Okna drží stejnou konfiguraci jako jednotka %1.").arg(unit));
        m_dialogs.message(this,
                          tx("gui", "Okna drží stejnou konfiguraci jako jednotka %1.").arg(unit),
                          Severity::Info);
        return;
    }
    if (!m_compare) {
        m_compare = new CompareDialog(this, [this](const Selectors& s) { return uploadPages(s); });
        applyRightsTable({this}, m_rights);
    }
    m_compare->showChanges(unit, *changes);
    m_compare->show();
    m_compare->raise();
    m_compare->activateWindow();
}

int MainWindow::login(const QString& name, const QString& password) {
    int level = 0;
    if (m_runner->running() || !m_address->commitTyped())
        return level;
    OperationScope scope(*this, true);
    try {
        const auto status = requestLogin(*m_link, name, password);
        // An attempt that did not reach the unit is a refused login.
        level = status ? int(*status) : 0;
    } catch (const OperationError& e) {
        m_dialogs.message(m_login.get(), e.text(), Severity::Error);
    }
    return level;
}

void MainWindow::loadCurrentFile() {
    runOperation([this] {
        const qint64 size = m_workspace->loadConfigFile();
        noteStored(Selectors::all());
        if (size < mem::ImageSize)
            m_dialogs.message(this,
                              tx("gui", "Soubor %1 měl jen %2 bajtů z %3. Načetla se jen "
                                        "tato část, zbytek konfigurace zůstal, jak byl.")
                                  .arg(QFileInfo(m_workspace->currentFile()).fileName())
                                  .arg(size)
                                  .arg(mem::ImageSize),
                              Severity::Info);
    });
}

void MainWindow::showAbout() {
    m_dialogs.about(this, tx("gui", "O programu"),
                    tx("gui", "<b>Quel5</b> – konfigurace a servis jednotek Quel5<br>"
                              "Verze %1 (%2)<br>Qt %3")
                        .arg(QStringLiteral(QUEL5_VERSION), QString::fromLatin1(Title),
                             QString::fromLatin1(qVersion())));
}

void MainWindow::noteEdited(PageSlot slot) {
    m_edited = m_edited.with(slot);
    setWindowModified(true);
}

void MainWindow::noteStored(const Selectors& selectors) {
    for (const PageInfo& info : pageRegistry())
        if (selectors.selects(info.slot))
            m_edited = m_edited.without(info.slot);
    setWindowModified(!m_edited.isEmpty());
}

bool MainWindow::settleEdits() {
    if (m_edited.isEmpty())
        return true;
    QStringList pages;
    for (const PageInfo& info : pageRegistry())
        if (m_edited.selects(info.slot))
            pages << QString::fromUtf8(info.title);
    switch (m_dialogs.askSave(
        this, tx("gui", "Změny v oknech (%1) nejsou uložené v souboru ani nahrané do "
                        "jednotky.\nUložit je do souboru?")
                  .arg(pages.join(QStringLiteral(", "))))) {
    case UserDialogs::SaveChoice::Save:
        saveFile();
        return m_edited.isEmpty();
    case UserDialogs::SaveChoice::Discard:
        return true;
    case UserDialogs::SaveChoice::Cancel:
        break;
    }
    return false;
}

void MainWindow::openFile() {
    if (!settleEdits())
        return;
    const QString path = m_dialogs.openFile(this, programFolder());
    if (path.isEmpty())
        return;
    m_workspace->setCurrentFile(path);
    loadCurrentFile();
}

QString MainWindow::chooseFileToSave(const QString& proposed) {
    const QString path = m_dialogs.saveFile(this, programFolder(), proposed);
    if (path.isEmpty() || !QFileInfo::exists(path))
        return path;
    const bool replace = m_dialogs.ask(this, tx("gui", "Soubor %1 už existuje.\nChceš ho nahradit?")
                                                 .arg(QDir::toNativeSeparators(path)));
    return replace ? path : QString();
}

void MainWindow::saveFile() {
    if (m_workspace->currentFile().isEmpty()) {
        const QString path = chooseFileToSave(QString());
        if (path.isEmpty())
            return;
        m_workspace->setCurrentFile(path);
    }
    runOperation([this] {
        m_workspace->saveConfigFile();
        noteStored(Selectors::all());
    });
}

void MainWindow::saveFileAs() {
    const QString path = chooseFileToSave(m_network->nbName() + QStringLiteral(".ql5"));
    if (path.isEmpty())
        return;
    m_workspace->setCurrentFile(path);
    runOperation([this] {
        m_workspace->saveConfigFile();
        noteStored(Selectors::all());
    });
}
