#include "logic/RelayWindow.h"
#include "base/Language.h"
#include "kit/Retranslate.h"

#include "kit/Dialogs.h"
#include "kit/ExchangeControls.h"
#include "logic/RelayPage.h"
#include "workspace/PageRegistry.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QVBoxLayout>

const QColor RelayWindow::Black(0x00, 0x00, 0x00);
const QColor RelayWindow::Blue(0x00, 0x00, 0xFF);
const QColor RelayWindow::Olive(0x80, 0x80, 0x00);
const QColor RelayWindow::Green(0x00, 0x80, 0x00);
const QColor RelayWindow::Fuchsia(0xFF, 0x00, 0xFF);

QColor RelayWindow::colour(relay::Colour c) {
    switch (c) {
    case relay::Colour::Blue:
        return Blue;
    case relay::Colour::Olive:
        return Olive;
    case relay::Colour::Green:
        return Green;
    case relay::Colour::Fuchsia:
        return Fuchsia;
    case relay::Colour::Black:
        break;
    }
    return Black;
}

namespace {

QString twoDigits(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QTextCharFormat coloured(const QColor& colour) {
    QTextCharFormat format;
    format.setForeground(colour);
    return format;
}

// Recolours one character of a box without moving its caret.
void colourAt(QTextEdit* box, int position, const QColor& colour) {
    QTextCursor cursor(box->document());
    cursor.setPosition(position);
    cursor.setPosition(position + 1, QTextCursor::KeepAnchor);
    cursor.mergeCharFormat(coloured(colour));
}

QColor colourAt(const QTextEdit* box, int position) {
    QTextCursor cursor(box->document());
    cursor.setPosition(position + 1);
    return cursor.charFormat().foreground().color();
}

} // namespace

ExpressionBox::ExpressionBox(RelayWindow& window, int row, QWidget* parent)
    : QTextEdit(parent), m_window(window), m_row(row) {
    setObjectName(QStringLiteral("ca") + twoDigits(row));
    setAcceptRichText(false);
    setLineWrapMode(QTextEdit::NoWrap);
    setWordWrapMode(QTextOption::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    document()->setDocumentMargin(2);
    setFixedHeight(fontMetrics().height() + 2 * frameWidth() + 6);
    connect(this, &QTextEdit::cursorPositionChanged, this,
            [this] { m_window.selectionChanged(this); });
    connect(this, &QTextEdit::textChanged, this, [this] { m_window.selectionChanged(this); });
}

void ExpressionBox::insertAtCaret(const QString& text, const QColor& colour) {
    QTextCursor cursor = textCursor();
    cursor.setPosition(cursor.selectionStart());
    cursor.insertText(text, coloured(colour));
    setTextCursor(cursor);
}

void ExpressionBox::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    // An expression has one line.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        text == QLatin1String("\n") || text == QLatin1String("\r"))
        return;
    // Shortcuts (Ctrl+A, Ctrl+V, …) are the editor's, not characters to insert.
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    if (!shortcut && text.size() == 1 && text[0].isPrint()) {
        QTextCursor cursor = textCursor();
        cursor.insertText(text, coloured(m_window.typed(text[0])));
        setTextCursor(cursor);
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void ExpressionBox::focusOutEvent(QFocusEvent* event) {
    QTextEdit::focusOutEvent(event);
    m_window.left(this);
}

void ExpressionBox::insertFromMimeData(const QMimeData* source) {
    QString text = source->text();
    text.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    insertAtCaret(text, RelayWindow::Black);
}

RelayWindow::RelayWindow(RelayPage& model, ConfigImage& image, QSettings* settings,
                         UserDialogs& dialogs,
                         std::function<void(const std::function<void()>&)> runOperation,
                         std::function<void(const Selectors&)> upload)
    : ManagedWindow(QString::fromLatin1(pageInfo(PageSlot::Relays).windowClass),
                    QString::fromLatin1(pageInfo(PageSlot::Relays).formName),
                    QString::fromUtf8(pageInfo(PageSlot::Relays).title), settings),
      m_model(model), m_image(image), m_dialogs(dialogs), m_run(std::move(runOperation)),
      m_upload(std::move(upload)) {
    QPalette cyan = palette();
    cyan.setColor(QPalette::Window, QColor(0x80, 0xFF, 0xFF));
    setPalette(cyan);
    setAutoFillBackground(true);

    auto* toolbar = new QHBoxLayout;
    buildToolbar(toolbar);

    auto* rows = new QWidget(this);
    auto* grid = new QGridLayout(rows);
    grid->addWidget(new QLabel(tx("fields", "Popis"), rows), 0, 2);
    for (int n = 0; n < Rows; ++n) {
        auto* name = new QLabel(QStringLiteral("R%1").arg(n + 1), rows);
        name->setObjectName(QStringLiteral("lp") + twoDigits(n));
        QFont bold = name->font();
        bold.setBold(true);
        name->setFont(bold);
        auto* box = new ExpressionBox(*this, n, rows);
        // Only relays 1-16 are stored; the others are shown as the unit holds them.
        box->setReadOnly(n >= RelayPage::StoredRows);
        auto* description = new QLineEdit(rows);
        description->setObjectName(QStringLiteral("cp") + twoDigits(n));
        description->setMaxLength(mem::DescriptionMaxChars);
        description->setFixedWidth(160);
        description->setReadOnly(n >= RelayPage::StoredRows);
        grid->addWidget(name, n + 1, 0);
        grid->addWidget(box, n + 1, 1);
        grid->addWidget(description, n + 1, 2);
        m_names[size_t(n)] = name;
        m_boxes[size_t(n)] = box;
        m_descriptions[size_t(n)] = description;
        connect(box, &QTextEdit::textChanged, this, [this, box, n] {
            if (box->text() == m_known[size_t(n)])
                return;
            m_known[size_t(n)] = box->text();
            if (!m_filling)
                emit userEdited();
        });
        connect(description, &QLineEdit::textEdited, this, &ManagedWindow::userEdited);
        // The first row stands ready for the first relay from the start.
        setRowVisible(n, n == 0);
    }
    grid->setRowStretch(Rows + 1, 1);
    grid->setColumnStretch(1, 1);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(rows);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);

    auto* body = new QHBoxLayout;
    body->addWidget(scroll, 1);
    body->addWidget(m_operands, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(toolbar);
    layout->addLayout(body, 1);
    resize(760, 420);
    fillOperandPicker();

    // A compile error belongs to this window and names its row.
    m_model.onMessage = [this](const QString& text, const QString& row) {
        m_dialogs.message(this, text, Severity::Warning, row);
    };
    m_subscription = m_model.subscribe([this] { showModel(); }, [this] { collectModel(); },
                                       [this] { markFailedRows(m_model.failedRows()); });
}

RelayWindow::~RelayWindow() {
    // Hidden while still whole: the focus leaves its box now, not from ~QWidget, when the
    // box would call back into a window that is already gone.
    hide();
    if (QWidget* focus = focusWidget())
        focus->clearFocus();
    m_model.unsubscribe(m_subscription);
    m_model.onMessage = nullptr;
}

void RelayWindow::buildToolbar(QHBoxLayout* toolbar) {
    auto toolButton = [this](const char* name, const QString& caption) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QLatin1String(name));
        // The caret stays in the expression box the button inserts into.
        button->setFocusPolicy(Qt::NoFocus);
        return button;
    };
    struct Operator {
        const char* name;
        const char* caption;
        const char* inserted;
        QColor colour;
    };
    const Operator operators[] = {{"LMDButton3", "AND (&&)", "&", Blue},
                                  {"LMDButton4", "OR (|)", "|", Blue},
                                  {"LMDButton5", "NEG (~)", "~", Blue},
                                  {"LMDButton6", "(", "(", Olive},
                                  {"LMDButton7", ")", ")", Olive}};
    for (const Operator& op : operators) {
        QPushButton* button = toolButton(op.name, QString::fromLatin1(op.caption));
        const QString text = QString::fromLatin1(op.inserted);
        const QColor colour = op.colour;
        connect(button, &QPushButton::clicked, this,
                [this, text, colour] { insertIntoCurrentRow(text, colour); });
        toolbar->addWidget(button);
    }
    m_kind = new QComboBox(this);
    m_kind->setObjectName(QStringLiteral("Crel"));
    m_kind->setFocusPolicy(Qt::NoFocus);
    for (const relay::OperandKind& kind : relay::operandKinds()) {
        // "Virtuální relé" is also the page's title, worded otherwise in English.
        m_kind->addItem(tx("logic", kind.caption));
        keepSource(m_kind, "item" + QByteArray::number(m_kind->count() - 1), "logic", kind.caption,
                   m_kind->itemText(m_kind->count() - 1));
    }
    toolbar->addWidget(m_kind);
    m_operands = new QListWidget(this);
    m_operands->setObjectName(QStringLiteral("Ccis"));
    m_operands->setFocusPolicy(Qt::NoFocus);
    m_operands->setFixedHeight(m_operands->fontMetrics().height() * 16 + 8);
    m_operands->setFixedWidth(90);
    connect(m_kind, &QComboBox::currentIndexChanged, this, &RelayWindow::fillOperandPicker);
    connect(m_operands, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        insertIntoCurrentRow(item->text(),
                             m_kind->currentIndex() == relay::FunctionKind ? Green : Black);
    });
    auto* refresh = toolButton("Button1", QStringLiteral("<>"));
    refresh->setToolTip(QStringLiteral("Refresh"));
    markExchangeControl(refresh);
    connect(refresh, &QPushButton::clicked, this, &RelayWindow::refresh);
    auto* save = toolButton("LButtU", tx("gui", "Ulož"));
    save->setEnabled(false);
    markExchangeControl(save);
    connect(save, &QPushButton::clicked, this,
            [this] { m_upload(Selectors::only(PageSlot::Relays)); });
    toolbar->addWidget(refresh);
    toolbar->addWidget(save);
    toolbar->addStretch();
}

void RelayWindow::fillOperandPicker() {
    m_operands->clear();
    m_operands->addItems(relay::operandItems(std::max(0, m_kind->currentIndex())));
    m_operands->setCurrentRow(0);
}

void RelayWindow::insertIntoCurrentRow(const QString& text, const QColor& colour) {
    ExpressionBox* target = m_boxes[size_t(m_currentRow.toInt())];
    if (target->isReadOnly())
        return;
    target->insertAtCaret(text, colour);
}

void RelayWindow::setRowVisible(int row, bool visible) {
    m_boxes[size_t(row)]->setVisible(visible);
    m_names[size_t(row)]->setVisible(visible);
    m_descriptions[size_t(row)]->setVisible(visible);
}

void RelayWindow::showRowText(int row, const QString& text) {
    const bool guard = m_redrawGuard;
    m_redrawGuard = true;
    ExpressionBox* box = m_boxes[size_t(row)];
    // Showing a relay is not the user moving the caret: the current row stays.
    const QSignalBlocker quiet(box);
    box->clear();
    setRowVisible(row, !text.isEmpty());
    QTextCursor cursor(box->document());
    const std::vector<relay::Colour> colours = relay::decodedColours(text);
    for (int i = 0; i < text.size(); ++i)
        cursor.insertText(QString(text[i]), coloured(colour(colours[size_t(i)])));
    m_redrawGuard = guard;
}

void RelayWindow::showModel() {
    const QScopedValueRollback filling(m_filling, true);
    m_bracketMark = false;
    markFailedRows({});
    for (int n = 0; n < Rows; ++n) {
        showRowText(n, m_model.rows[size_t(n)].text);
        m_descriptions[size_t(n)]->setText(m_model.rows[size_t(n)].description);
    }
    for (int n = 0; n < RelayPage::StoredRows; ++n) {
        if (m_boxes[size_t(n)]->text().isEmpty()) {
            setRowVisible(n, true);
            break;
        }
    }
}

void RelayWindow::collectModel() {
    for (int n = 0; n < Rows; ++n) {
        m_model.rows[size_t(n)].text = m_boxes[size_t(n)]->text();
        m_model.rows[size_t(n)].description = m_descriptions[size_t(n)]->text();
    }
}

void RelayWindow::refresh() {
    m_run([this] {
        m_model.gather(m_image);
        // The decoded programs replace what was typed, except in rows that did not compile:
        // the user corrects those instead of typing them again.
        const auto failed = m_model.failedRows();
        std::array<QString, Rows> typed;
        for (int n = 0; n < Rows; ++n)
            if (failed[size_t(n)])
                typed[size_t(n)] = m_boxes[size_t(n)]->text();
        m_model.scatter(m_image);
        for (int n = 0; n < Rows; ++n) {
            if (!failed[size_t(n)])
                continue;
            const QSignalBlocker quiet(m_boxes[size_t(n)]);
            m_boxes[size_t(n)]->setPlainText(typed[size_t(n)]);
            m_known[size_t(n)] = typed[size_t(n)];
            setRowVisible(n, true);
        }
        markFailedRows(failed);
    });
}

bool RelayWindow::rowMarkedFailed(int row) const {
    return m_boxes[size_t(row)]->property("failed").toBool();
}

void RelayWindow::markFailedRows(const std::array<bool, Rows>& failed) {
    const QColor failedBackground(0xFF, 0xC0, 0xC0);
    for (int n = 0; n < Rows; ++n) {
        ExpressionBox* box = m_boxes[size_t(n)];
        if (box->property("failed").toBool() == failed[size_t(n)])
            continue;
        box->setProperty("failed", failed[size_t(n)]);
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, failed[size_t(n)] ? failedBackground
                                                           : this->palette().color(QPalette::Base));
        box->setPalette(palette);
    }
}

void RelayWindow::keepOneEmptyRow() {
    std::vector<bool> empty, visible;
    for (int n = 0; n < RelayPage::StoredRows; ++n) {
        empty.push_back(m_boxes[size_t(n)]->text().isEmpty());
        visible.push_back(m_boxes[size_t(n)]->isVisibleTo(this));
    }
    const relay::RowChange change = relay::keepOneEmptyRow(empty, visible);
    if (change.row >= 0)
        setRowVisible(change.row, change.show);
}

void RelayWindow::unmarkBrackets(ExpressionBox* box) {
    const QString text = box->text();
    for (int i = 0; i < text.size(); ++i)
        if (colourAt(box, i) == Fuchsia)
            colourAt(box, i, Olive);
    m_bracketMark = false;
}

void RelayWindow::selectionChanged(ExpressionBox* box) {
    m_currentRow = twoDigits(box->row());
    if (box->textCursor().hasSelection() || m_redrawGuard)
        return;
    keepOneEmptyRow();
    const QString text = box->text();
    if (text.isEmpty())
        return;
    m_redrawGuard = true;
    const int caret = box->textCursor().position();
    if (m_bracketMark)
        unmarkBrackets(box);
    const int partner = relay::matchingBracket(text, caret);
    if (partner >= 0) {
        colourAt(box, partner, Fuchsia);
        colourAt(box, caret, Fuchsia);
        m_bracketMark = true;
    }
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(caret);
    box->setTextCursor(cursor);
    m_redrawGuard = false;
}

void RelayWindow::left(ExpressionBox* box) {
    if (box->text().isEmpty() || box->textCursor().hasSelection())
        return;
    const bool guard = m_redrawGuard;
    m_redrawGuard = true;
    const int caret = box->textCursor().position();
    unmarkBrackets(box);
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(caret);
    box->setTextCursor(cursor);
    m_redrawGuard = guard;
}
