#pragma once

#include <QString>
#include <memory>

class QApplication;
class QSettings;
class UserDialogs;

// What every run of the tool sets up once before its first window: the window icon, the
// language of the user's environment (the tool's catalogue and Qt's own dialogs and
// buttons), and every window's words put anew when the language changes. Returns whether
// the language's catalogues were found.
bool setUpApplication(QApplication& app);

// The language the tool starts in: the one given with --lang, else the one stored in the
// settings ("TForm1/Jazyk"), else the user's environment's.
QString startLanguage(const QString& option, QSettings* settings);
// The settings key of the language chosen in the main window's menu.
extern const char* const LanguageKey;

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
