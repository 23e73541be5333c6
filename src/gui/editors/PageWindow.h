#pragma once

#include "app/ManagedWindow.h"
#include "app/WindowTable.h"

class FieldBinder;
class FieldPage;
class QGridLayout;
class QLabel;
class QPushButton;
struct FieldSpec;

// A window that edits one page of the registry: its controls carry the names of the
// page's field table and are made from it, a binder connects them to the page, and its
// "Ulož" uploads that page alone. A window lays its controls out and adds its own rules.
class PageWindow : public ManagedWindow {
    Q_OBJECT
public:
    PageWindow(PageSlot slot, const WindowRow& row, WindowContext& context);
    ~PageWindow() override;

    FieldPage& page() const { return m_page; }

protected:
    // The control of a field, of the kind its table gives (check box, spin box, list,
    // text, label), under its name; made once.
    QWidget* control(const char* name);
    // A label with the field's caption.
    QLabel* captionOf(const char* name);
    QLabel* label(const QString& text);
    // A row's name label (lp00 …), bold: the status view colours it.
    QLabel* rowLabel(int row, const char* caption);
    // "Ulož", disabled until an administrator logs in.
    QPushButton* saveButton() const { return m_save; }
    // Puts the column headings in grid row 0 from column 1 on, one line each or two for
    // a caption with a bracketed unit ("MIN [ % ]").
    void headings(QGridLayout* grid, const QStringList& captions, int firstColumn = 1);
    // Connects the controls made so far; the end of a window's constructor.
    void bind();

    WindowContext m_context;

private:
    PageSlot m_slot;
    FieldPage& m_page;
    QPushButton* m_save;
    FieldBinder* m_binder = nullptr;
};

// The windows of the configuration pages.
std::unique_ptr<ManagedWindow> makeInputsWindow(const WindowRow& row, WindowContext& context);
std::unique_ptr<ManagedWindow> makeOutputsWindow(const WindowRow& row, WindowContext& context);
std::unique_ptr<ManagedWindow> makeAnalogWindow(const WindowRow& row, WindowContext& context);
std::unique_ptr<ManagedWindow> makeThermometersWindow(const WindowRow& row, WindowContext& context);
