#pragma once

class QApplication;
class QByteArray;
class QLabel;
class QObject;
class QString;
class QWidget;

// Windows are built in code, each text through tx(). When the language changes, the words
// of every control (labels, buttons, boxes, menu items, list items, tool tips, headings)
// are put anew in the new language: each control keeps the source of the text it shows,
// learnt from what tx() gave out. A text the code has set since (a value, a count) is left
// for its window to refresh, and so is a text that two sources gave out alike.
void retranslateTree(QWidget* top);

// Retranslates the tool's windows when the application's language changes. Qt's own
// dialogs word themselves.
void retranslateOnLanguageChange(QApplication& app);
// A window of the tool, put anew in every new language.
void followLanguage(QWidget* window);

// A column heading of the field caption (a source of context "fields"), its unit on a line
// of its own ("Délka bypassu\n[s]"), worded anew in every new language.
void setHeading(QLabel* label, const QString& caption);

// Tells a control the source of a text it shows (key "text", "toolTip", "item3"), for a
// text whose words another source shares in one of the languages.
void keepSource(QObject* control, const QByteArray& key, const char* context, const char* source,
                const QString& shown);
