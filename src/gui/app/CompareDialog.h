#pragma once

#include "workspace/ConfigDiff.h"
#include "workspace/PageRegistry.h"

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QTreeWidget;

// "Porovnej s jednotkou": what the windows hold against what the unit holds, field by
// field under a tick per page, and the upload of the ticked pages.
class CompareDialog : public QDialog {
    Q_OBJECT
public:
    // upload: sends the selection, returns whether everything was written and verified.
    CompareDialog(QWidget* parent, std::function<bool(const Selectors&)> upload);

    void showChanges(const QString& unit, const std::vector<FieldChange>& changes);
    // The pages ticked now.
    Selectors ticked() const;
    QPushButton* uploadButton() const { return m_upload; }

private:
    void uploadTicked();

    std::function<bool(const Selectors&)> m_upload_;
    QLabel* m_heading;
    QTreeWidget* m_tree;
    QPushButton* m_upload;
};
