#pragma once

#include "kit/ManagedWindow.h"
#include "logic/RelayText.h"

#include <QTextEdit>
#include <array>
#include <functional>

class ConfigImage;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class RelayPage;
class RelayWindow;
class Selectors;
class UserDialogs;

// One relay's expression: a single line of text in which every character has its colour.
class ExpressionBox : public QTextEdit {
    Q_OBJECT
public:
    ExpressionBox(RelayWindow& window, int row, QWidget* parent);
    int row() const { return m_row; }
    QString text() const { return toPlainText(); }

    // Inserts text at the caret (a selection is first collapsed to its start).
    void insertAtCaret(const QString& text, const QColor& colour);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    RelayWindow& m_window;
    int m_row;
};

// The virtual relays window: rows of name, expression and description over the core's
// RelayPage, an operator toolbar and operand pickers that insert at the caret, colours as
// typed and as decoded, and matching brackets marked in fuchsia.
class RelayWindow : public ManagedWindow {
    Q_OBJECT
public:
    static constexpr int Rows = 32;

    RelayWindow(RelayPage& model, ConfigImage& image, QSettings* settings, UserDialogs& dialogs,
                std::function<void(const std::function<void()>&)> runOperation,
                std::function<void(const Selectors&)> upload);
    ~RelayWindow() override;

    // The row the toolbar and the pickers insert into, as two digits.
    QString currentRow() const { return m_currentRow; }
    bool bracketMark() const { return m_bracketMark; }
    ExpressionBox* box(int row) const { return m_boxes[size_t(row)]; }
    // A row whose typed text did not compile keeps the text and this mark until it does.
    bool rowMarkedFailed(int row) const;

    static QColor colour(relay::Colour colour);
    static const QColor Black, Blue, Olive, Green, Fuchsia;

    // Shows a relay's text in row n with the colours of decoded text.
    void showRowText(int row, const QString& text);

    // Called by the boxes.
    QColor typed(QChar character) { return colour(m_typing.next(character)); }
    void selectionChanged(ExpressionBox* box);
    void left(ExpressionBox* box);

private:
    void buildToolbar(class QHBoxLayout* toolbar);
    void showModel();
    void collectModel();
    void setRowVisible(int row, bool visible);
    void keepOneEmptyRow();
    void insertIntoCurrentRow(const QString& text, const QColor& colour);
    void fillOperandPicker();
    void unmarkBrackets(ExpressionBox* box);
    void refresh();
    void markFailedRows(const std::array<bool, Rows>& failed);

    RelayPage& m_model;
    ConfigImage& m_image;
    UserDialogs& m_dialogs;
    std::function<void(const std::function<void()>&)> m_run;
    std::function<void(const Selectors&)> m_upload;
    int m_subscription;
    std::array<QLabel*, Rows> m_names{};
    std::array<ExpressionBox*, Rows> m_boxes{};
    std::array<QLineEdit*, Rows> m_descriptions{};
    // Each row's text as last seen, so that only a change of text (not of its colours)
    // counts as an edit, and only when the model is not being shown.
    std::array<QString, Rows> m_known;
    bool m_filling = false;
    QComboBox* m_kind;
    QListWidget* m_operands;
    QString m_currentRow = QStringLiteral("00");
    bool m_redrawGuard = false;
    bool m_bracketMark = false;
    relay::TypingColours m_typing;
};
