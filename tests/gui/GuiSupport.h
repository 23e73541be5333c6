#pragma once

#include "app/Dialogs.h"
#include "app/MainWindow.h"

#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// Answers the tool's dialogs from a script and records its messages.
class ScriptedDialogs : public UserDialogs {
public:
    void message(QWidget*, const QString& text) override { messages << text; }
    QString openFile(QWidget*, const QString&) override { return take(); }
    QString saveFile(QWidget*, const QString&, const QString& proposed) override {
        proposals << proposed;
        return take();
    }

    QStringList messages;
    QStringList answers; // paths for the next file dialogs; empty text cancels
    QStringList proposals;

private:
    QString take() { return answers.isEmpty() ? QString() : answers.takeFirst(); }
};

// One run of the tool: a main window over a settings file, started as the program starts it.
struct ToolRun {
    explicit ToolRun(const QString& settingsPath)
        : settings(std::make_unique<QSettings>(settingsPath, QSettings::IniFormat)),
          window(std::make_unique<MainWindow>(settings.get(), dialogs)) {
        window->show();
        window->restoreSession();
    }
    // Closes the main window and ends the run as the program does.
    void finish() {
        window->close();
        window.reset();
        settings->sync();
    }
    ~ToolRun() {
        if (window)
            finish();
    }
    template <typename T> T* find(const QString& name) const { return window->findChild<T*>(name); }

    ScriptedDialogs dialogs;
    std::unique_ptr<QSettings> settings;
    std::unique_ptr<MainWindow> window;
};
