#pragma once

#include "workspace/PageRegistry.h"

#include <functional>
#include <memory>

class ManagedWindow;
class QHostAddress;
class QSettings;
class QUdpSocket;
class UserDialogs;
class Workspace;

// What a window needs from the main window when it is made.
struct WindowContext {
    Workspace& workspace;
    QSettings* settings;
    UserDialogs& dialogs;
    // Runs an operation of the window (errors shown, controls held back meanwhile).
    std::function<void(const std::function<void()>&)> run;
    // The same for one that talks to the unit.
    std::function<void(const std::function<void()>&)> runLink;
    // The window's "Ulož": uploads the selection.
    std::function<void(const Selectors&)> upload;
    // The main window's UDP socket (discovery) and where a search goes.
    QUdpSocket& udp;
    std::function<std::pair<QHostAddress, quint16>()> searchTarget;
    // Makes a station the connection target: the address box and the port box.
    std::function<void(const QString& address, quint16 port)> setTarget;
    // The text of the address box.
    std::function<QString()> address;
    // Shows the window of that form name ("Fstav"), in front, its "Zobraz" item ticked;
    // null when there is none.
    std::function<ManagedWindow*(const QString& form)> showWindow;
};

// One window of the tool other than the main window and the two dialogs, in creation order.
struct WindowRow {
    // The page the window edits, whose registry row gives its class and form name; -1 for
    // a window without a page, which names them here.
    int page;
    const char* className;
    const char* formName;
    const char* title;    // a window without a page; a page's window takes its page's title
    const char* menuItem; // tick item of "Zobraz", with its mnemonic; null: none
    const char* prefix;   // title prefix that follows the unit address; null: title stays
    std::unique_ptr<ManagedWindow> (*create)(const WindowRow& row, WindowContext& context);

    QString windowClass() const;
    QString form() const;
    QString windowTitle() const;
};
