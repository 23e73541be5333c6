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
class FieldBinder : public QObject {
    Q_OBJECT
public:
    FieldBinder(QWidget* window, FieldPage& page);
    ~FieldBinder() override;

    void show();
    void collect();

private:
    struct Bound {
        const FieldSpec* field;
        QPointer<QObject> control;
    };
    FieldPage& m_page;
    std::vector<Bound> m_bound;
    int m_subscription;
};
