#pragma once

#include <QString>
#include <memory>

class QApplication;
class QSettings;
class UserDialogs;

// What every run of the tool sets up once before its first window: Qt's own dialogs and
// buttons in Czech, the window icon. Returns whether Qt's Czech translation was found.
bool setUpApplication(QApplication& app);

// The settings file at path, or nothing (with a message) when path names something that
// is not a regular file: reading a pipe or a device would wait for ever.
std::unique_ptr<QSettings> openSettings(const QString& path, UserDialogs& dialogs);

// Where the settings file "Quel5_cf.ini" lives: beside the program when one already stands
// there or when the program runs from its build tree; otherwise in the user's
// configuration folder (an installed program's folder is no place for settings, even
// when it can be written, as under ~/.local/bin).
QString settingsFilePath(const QString& programFolder, const QString& configFolder,
                         const QString& buildTree);

class QWidget;
// Prints "shown" on standard output once the window has been exposed and its first events
// handled, then quits the application: the start-up benchmark's finish line.
void quitWhenShown(QWidget* window);
