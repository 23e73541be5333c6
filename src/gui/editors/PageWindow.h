#pragma once

#include "kit/ManagedWindow.h"
#include "kit/WindowContext.h"

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
    // text, label), under its name; made once. A name the page's table does not know
    // throws std::logic_error: a window cannot show a control its page does not keep.
    QWidget* control(const char* name);
    // How fieldGrid names its rows: plain, bold, or bold state labels lp00 … that the
    // status view colours.
    enum class RowNames { Plain, Bold, State };
    // The page's rows as a grid, all from its table: one grid row per row caption of the
    // fields, in table order; one column per field caption, in the order the rows give
    // them, headed by it; each field's control in its cell (boxes centred); the row
    // captions in column 0. The last column stretches.
    QGridLayout* fieldGrid(RowNames names);
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
    // The field of that name; throws std::logic_error when the page has none.
    const FieldSpec& fieldOf(const char* name) const;

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
std::unique_ptr<ManagedWindow> makeThermostatsWindow(const WindowRow& row, WindowContext& context);
std::unique_ptr<ManagedWindow> makeModesWindow(const WindowRow& row, WindowContext& context);
