#pragma once

#include <QObject>
#include <QRect>
#include <QString>

class QSettings;
class QWidget;

// Keeps one window's position, size and state in its section of the settings file.
// The placement is restored every time the window is shown; it is written when the
// window is closed (Visible=0) and, for a window shown during the run, when it is
// destroyed (Visible=1): the owner calls windowDestroying() from its destructor.
class PlacementStore : public QObject {
    Q_OBJECT
public:
    PlacementStore(QWidget* window, QString section, QSettings* settings, bool fixedSize = false);

    void windowDestroying();
    void save(bool destroying);
    void restore();
    bool shownOnce() const { return m_shownOnce; }
    const QString& section() const { return m_section; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place(const QRect& rect);

    QWidget* m_window;
    QString m_section;
    QSettings* m_settings;
    bool m_fixedSize;
    // Where the window was when it was last hidden in this run: a window the user moved
    // and then hid from the menu (no close, nothing written) comes back there.
    QRect m_hiddenAt;
    bool m_shownOnce = false;
    bool m_restoring = false;
};

// The rectangle a window takes for a stored "NormPos" (left, top, right, bottom): on the
// available area of a screen, no larger than it; with keepSize only moved.
QRect placeOnScreen(const QWidget* window, const int stored[4], bool keepSize);

// Reads a settings value that another program may have written without quotes, in which
// case the INI reader splits it at its commas.
QString settingsText(const QSettings& settings, const QString& key, const QString& fallback = {});
