#pragma once

#include "kit/Placement.h"

#include <QWidget>

class QSettings;

// A window of the tool other than the main window: created at start-up, alive until the
// end of the run, shown and hidden from the main window's "Zobraz" menu. Its object name
// is its class name, which is also its section in the settings file.
class ManagedWindow : public QWidget {
    Q_OBJECT
public:
    ManagedWindow(const QString& className, const QString& formName, const QString& title,
                  QSettings* settings);
    ~ManagedWindow() override;

    // The key under which the main window remembers whether this window was open.
    const QString& formName() const { return m_formName; }
    PlacementStore& placement() { return m_placement; }

signals:
    void visibilityChanged(bool visible);
    // The user changed the configuration the window shows.
    void userEdited();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QString m_formName;
    PlacementStore m_placement;
};
