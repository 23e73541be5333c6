#pragma once

#include "app/AddressBox.h"
#include "app/LoginDialogs.h"
#include "app/WindowTable.h"
#include "editors/NetworkFields.h"
#include "kit/GuiFeedback.h"
#include "kit/ManagedWindow.h"
#include "kit/Placement.h"
#include "link/Login.h"
#include "operations/OperationRunner.h"
#include "print/ReportPainter.h"
#include "workspace/Workspace.h"

#include <QHostAddress>
#include <QMainWindow>
#include <QUdpSocket>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class FieldBinder;
class QAction;
class QPlainTextEdit;
class QSettings;
class QSpinBox;
class UserDialogs;
class ServicePanel;
class CompareDialog;

// The main window: the connection target, the network fields, the log box, the menus
// that run the transfers and file commands, and the owner of every other window.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr const char* Title = Workspace::BaseCaption;

    MainWindow(QSettings* settings, UserDialogs& dialogs);
    ~MainWindow() override;

    // Reads the main window's keys of the settings file (windows to open, "Více", the last
    // file, the address history); called once the window is shown.
    void restoreSession();
    // Writes them; runs when the window closes.
    void saveSession();

    Workspace& workspace() { return *m_workspace; }
    DeviceLink& link() { return *m_link; }
    AddressBox* addressBox() const { return m_address; }
    QSpinBox* portBox() const { return m_port; }
    NetworkFields* networkFields() const { return m_network; }
    LoginDialog* loginDialog() const { return m_login.get(); }
    PasswordDialog* passwordDialog() const { return m_password.get(); }
    // The window of that class; made now if nothing needed it before.
    ManagedWindow* window(const QString& className) const;
    // The last session's windows are still to be reopened (they follow the main window).
    bool reopening() const { return !m_pendingReopen.empty(); }
    QList<QWidget*> allWindows() const;
    QAction* action(const QString& objectName) const;
    Rights rights() const { return m_rights; }

    // The windows that follow the unit address in their titles, with their prefixes.
    QList<std::pair<QWidget*, QString>> addressTitledWindows() const;

    // "Login"/"Logout" of the menu bar.
    void loginOrLogout();
    // Sets the controls of all windows for the rights and normalises them.
    void applyRights();

    // Runs a user operation: errors that end it are shown, the cursor is restored. While
    // it runs, whatever would start a second exchange is disabled.
    void runOperation(const std::function<void()>& operation);
    // The same for an operation that talks to the unit: an address still being typed
    // into the address box is accepted first (a refused one stops the operation), and a
    // progress dialog with "Zrušit" appears when it takes long.
    void runLinkOperation(const std::function<void()>& operation);
    // "Ulož" and "Ulož vše": uploads the selection; a refusal gets one message after it.
    // Returns whether everything was written (and verified, when that is on).
    bool uploadPages(const Selectors& selectors);
    // "Porovnej s jednotkou": reads the unit aside and shows how the windows differ.
    void compareWithUnit();
    bool operationRunning() const { return m_runner->running(); }
    // The pages whose windows hold edits neither saved nor uploaded; the caption carries
    // the modified mark while there are any.
    const Selectors& editedPages() const { return m_edited; }

    // Where a discovery search goes: the settings' "TFdiscoverer" keys "SearchAddress"
    // and "SearchPort" (255.255.255.255 and 30303 when absent), unless set for the run.
    std::pair<QHostAddress, quint16> searchTarget() const;
    void setSearchTarget(const QHostAddress& address, quint16 port);
    // A station chosen in the overview: its address is accepted as if typed, its port set.
    void setTarget(const QString& address, quint16 port);
    ManagedWindow* showWindow(const QString& form);

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    // A new language: the titles that carry the unit's address are put anew.
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Target;
    class OperationScope;
    struct WindowEntry {
        std::unique_ptr<ManagedWindow> window; // null until first needed
        const char* prefix; // title prefix when the address changes (its source); null: title stays
        QAction* toggle;    // tick item of "Zobraz", or nullptr
    };

    void buildWindows();
    // The windows the last session had open, made and shown once the main window is on
    // the screen: it shows at once, they follow.
    void reopenPending();
    // The window of the table's row i, made now if it was not yet.
    ManagedWindow* windowAt(size_t i);
    void buildMenus();
    void buildFileMenu();
    void buildSettingsMenu();
    void buildViewMenu();
    void retitle(const QString& address);
    void openFile();
    void saveFile();
    void saveFileAs();
    // "Tisk": the full gather, then the report in a print preview.
    void print(ReportKind kind);
    // The save dialog, then the question before a file is replaced; empty: cancelled.
    QString chooseFileToSave(const QString& proposed);
    void loadCurrentFile();
    void noteEdited(PageSlot slot);
    void noteStored(const Selectors& selectors);
    // With edits pending: asks whether to save them first. False: the user cancelled, or
    // the save did not happen.
    bool settleEdits();
    void showAbout();
    int login(const QString& name, const QString& password);
    void runOperation(const std::function<void()>& operation, bool talksToUnit);
    QString programFolder() const;

    QSettings* m_settings;
    UserDialogs& m_dialogs;
    PlacementStore m_placement;
    AddressBox* m_address;
    QSpinBox* m_port;
    QPlainTextEdit* m_log;
    NetworkFields* m_network;
    ServicePanel* m_service = nullptr;
    CompareDialog* m_compare = nullptr;
    QAction* m_verifyItem = nullptr;
    QAction* m_loginItem = nullptr;
    QAction* m_moreItem = nullptr;
    std::unique_ptr<Target> m_target;
    std::unique_ptr<GuiFeedback> m_feedback;
    std::unique_ptr<DeviceLink> m_link;
    std::unique_ptr<Workspace> m_workspace;
    std::unique_ptr<OperationRunner> m_runner;
    FieldBinder* m_networkBinder = nullptr;
    std::unique_ptr<WindowContext> m_context;
    std::optional<QString> m_titleAddress; // the address the titles follow, once there is one
    std::vector<WindowEntry> m_windows;
    std::vector<size_t> m_pendingReopen; // rows of m_windows still to reopen
    std::unique_ptr<LoginDialog> m_login;
    std::unique_ptr<PasswordDialog> m_password;
    Rights m_rights = Rights::Nobody;
    Selectors m_edited;
    bool m_closeWhenDone = false; // the user chose to stop the transfer and quit
    // The one UDP socket, used by discovery.
    QUdpSocket m_udp;
    std::optional<std::pair<QHostAddress, quint16>> m_searchTarget;
};
