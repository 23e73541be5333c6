#pragma once

#include <QObject>
#include <QPointer>
#include <vector>

class FieldPage;
class QWidget;
struct FieldSpec;

// Binds the controls of a window to a field page by their object names: ranges, list
// items and typing limits come from the page's table; after every scatter the controls
// show the page's values, before every gather the page takes the controls' values. A
// control the window does not have is left out; a name the page does not know is not
// touched.
//
// A page whose fields show, hide or change caption by other values (a row's type, the
// mode chosen) has those values passed on as the user edits them; after every scatter
// and every such edit the controls take the visibility, caption and range the page
// gives. Controls are filled with these reactions held back, then they run once.
class FieldBinder : public QObject {
    Q_OBJECT
public:
    FieldBinder(QWidget* window, FieldPage& page);
    ~FieldBinder() override;

    void show();
    void collect();
    // Visibility, captions and ranges from the page's rules.
    void applyRules();

signals:
    // The user changed a control of a stored field (not a scatter filling them).
    void userEdited();

private:
    void edited(const FieldSpec& f, QObject* control);
    void watchEdits(QObject* control);

    struct Bound {
        const FieldSpec* field;
        QPointer<QObject> control;
    };
    FieldPage& m_page;
    std::vector<Bound> m_bound;
    int m_subscription;
    bool m_showing = false;
    bool m_filling = false; // show() runs, its rules included
};
