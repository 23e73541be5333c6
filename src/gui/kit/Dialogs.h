#pragma once

#include "base/Feedback.h"

#include <QList>
#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <utility>

class QPagedPaintDevice;
class QWidget;

// Every modal question the tool asks goes through here, so that tests can answer.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;
    // A message box over parent; detail, when given, is its informative text.
    virtual void message(QWidget* parent, const QString& text,
                         Severity severity = Severity::Warning, const QString& detail = {}) = 0;
    // A question answered "Ano" (true) or "Ne" (false).
    virtual bool ask(QWidget* parent, const QString& question) = 0;
    // Whether to save edits first: "Uložit", "Neukládat" or "Zrušit".
    enum class SaveChoice { Save, Discard, Cancel };
    virtual SaveChoice askSave(QWidget* parent, const QString& question) = 0;
    // Returns the chosen path or an empty text when cancelled.
    virtual QString openFile(QWidget* parent, const QString& folder) = 0;
    virtual QString saveFile(QWidget* parent, const QString& folder, const QString& proposed) = 0;
    virtual void about(QWidget* parent, const QString& title, const QString& text) = 0;
    // An open dialog with no file type filter; empty when cancelled.
    virtual QString openAnyFile(QWidget* parent, const QString& start) = 0;
    // A folder; empty when cancelled.
    virtual QString chooseFolder(QWidget* parent, const QString& start) = 0;
    // Items ticked in a list (none ticked at first); empty when cancelled or none ticked.
    virtual QList<int> chooseItems(QWidget* parent, const QString& title, const QString& text,
                                   const QStringList& items) = 0;
    // A name and a password; nothing when cancelled.
    virtual std::optional<std::pair<QString, QString>> askAccount(QWidget* parent,
                                                                  const QString& text) = 0;
    // A print preview (zoom, pages, printer set-up, printing) of what paint draws on a
    // page of that layout; returns when the user closes it.
    using Painting = std::function<void(QPagedPaintDevice&)>;
    virtual void printPreview(QWidget* parent, const QPageLayout& layout,
                              const Painting& paint) = 0;
};

// The real dialogs: message boxes and the toolkit's file dialogs with the .ql5 filter.
class QtDialogs : public UserDialogs {
public:
    void message(QWidget* parent, const QString& text, Severity severity = Severity::Warning,
                 const QString& detail = {}) override;
    bool ask(QWidget* parent, const QString& question) override;
    SaveChoice askSave(QWidget* parent, const QString& question) override;
    QString openFile(QWidget* parent, const QString& folder) override;
    QString saveFile(QWidget* parent, const QString& folder, const QString& proposed) override;
    void about(QWidget* parent, const QString& title, const QString& text) override;
    QString openAnyFile(QWidget* parent, const QString& start) override;
    QString chooseFolder(QWidget* parent, const QString& start) override;
    QList<int> chooseItems(QWidget* parent, const QString& title, const QString& text,
                           const QStringList& items) override;
    std::optional<std::pair<QString, QString>> askAccount(QWidget* parent,
                                                          const QString& text) override;
    void printPreview(QWidget* parent, const QPageLayout& layout, const Painting& paint) override;
};
