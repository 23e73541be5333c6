#include "editors/PageWindow.h"
#include "base/Language.h"

#include "image/FieldPage.h"
#include "kit/ExchangeControls.h"
#include "kit/FieldBinder.h"
#include "kit/Retranslate.h"
#include "workspace/Workspace.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <stdexcept>

PageWindow::PageWindow(PageSlot slot, const WindowRow& row, WindowContext& context)
    : ManagedWindow(row.windowClass(), row.form(), row.windowTitle(), context.settings),
      m_context(context), m_slot(slot), m_page(context.workspace.pageAs<FieldPage>(slot)) {
    m_save = new QPushButton(tx("gui", "Ulož"), this);
    m_save->setObjectName(QStringLiteral("LButtU"));
    m_save->setEnabled(false);
    markExchangeControl(m_save);
    auto upload = context.upload;
    connect(m_save, &QPushButton::clicked, this, [upload, slot] { upload(Selectors::only(slot)); });
}

PageWindow::~PageWindow() {
    hide();          // focus moves while the window is whole
    delete m_binder; // before the page's subscribers go
}

const FieldSpec& PageWindow::fieldOf(const char* name) const {
    const FieldSpec* f = m_page.field(QLatin1String(name));
    if (!f)
        throw std::logic_error(std::string("the page of ") + qPrintable(objectName()) +
                               " has no field " + name);
    return *f;
}

QWidget* PageWindow::control(const char* name) {
    if (QWidget* made = findChild<QWidget*>(QLatin1String(name)))
        return made;
    if (auto* group = findChild<QButtonGroup*>(QLatin1String(name)))
        return qobject_cast<QWidget*>(group->parent());
    const FieldSpec* f = &fieldOf(name);
    QWidget* w = nullptr;
    switch (f->kind) {
    case FieldKind::Bit:
    case FieldKind::Flag:
        w = new QCheckBox(this);
        break;
    case FieldKind::Number: {
        auto* spin = new QSpinBox(this);
        spin->setAlignment(Qt::AlignRight);
        w = spin;
        break;
    }
    case FieldKind::Tenths:
    case FieldKind::SignedTenths: {
        auto* spin = new QDoubleSpinBox(this);
        spin->setAlignment(Qt::AlignRight);
        w = spin;
        break;
    }
    case FieldKind::List:
        w = new QComboBox(this);
        break;
    case FieldKind::Description: {
        // Room for the 19 characters a description holds.
        auto* edit = new QLineEdit(this);
        edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 22);
        w = edit;
        break;
    }
    case FieldKind::Address:
    case FieldKind::Text:
    case FieldKind::ClearedText:
        w = new QLineEdit(this);
        break;
    case FieldKind::Label:
        w = new QLabel(this);
        break;
    case FieldKind::Mode:
    case FieldKind::BitChoice: {
        // Its choices side by side (a mode) or one above the other (the bit sets); the
        // group carries the name, each choice the name and its number.
        auto* box = new QWidget(this);
        QBoxLayout* line = f->kind == FieldKind::Mode
                               ? static_cast<QBoxLayout*>(new QHBoxLayout(box))
                               : new QVBoxLayout(box);
        line->setContentsMargins(0, 0, 0, 0);
        auto* group = new QButtonGroup(box);
        group->setObjectName(QLatin1String(name));
        for (int i = 0; i < f->items.size(); ++i) {
            auto* choice = new QRadioButton(
                f->kind == FieldKind::Mode ? tx("items", f->items[i]) : QString(), box);
            choice->setObjectName(QLatin1String(name) + QString::number(i));
            if (f->kind == FieldKind::BitChoice)
                choice->setToolTip(tx("items", f->items[i]));
            group->addButton(choice, i);
            line->addWidget(choice);
        }
        return box;
    }
    }
    w->setObjectName(QLatin1String(name));
    return w;
}

QLabel* PageWindow::captionOf(const char* name) {
    return label(tx("fields", fieldOf(name).caption));
}

QGridLayout* PageWindow::fieldGrid(RowNames names) {
    QStringList rows;
    QStringList columns;
    QString lastRow;
    int previousColumn = -1;
    // A caption first met in a later row goes right after the caption before it in that
    // row, so that a column only some rows have stands in its place.
    for (const FieldSpec& f : m_page.fields()) {
        if (!*f.row)
            continue;
        const QString row = QString::fromUtf8(f.row);
        const QString caption = QString::fromUtf8(f.caption);
        if (row != lastRow) {
            if (!rows.contains(row))
                rows << row;
            lastRow = row;
            previousColumn = -1;
        }
        int column = int(columns.indexOf(caption));
        if (column < 0) {
            column = previousColumn + 1;
            columns.insert(column, caption);
        }
        previousColumn = column;
    }
    auto* grid = new QGridLayout;
    headings(grid, columns);
    for (int r = 0; r < rows.size(); ++r) {
        const QByteArray caption = rows[r].toUtf8();
        QLabel* name = names == RowNames::State ? rowLabel(r, caption.constData())
                                                : label(tx("rows", rows[r]));
        if (names == RowNames::Bold) {
            QFont bold = name->font();
            bold.setBold(true);
            name->setFont(bold);
        }
        grid->addWidget(name, r + 1, 0);
    }
    for (const FieldSpec& f : m_page.fields()) {
        if (!*f.row)
            continue;
        const int r = int(rows.indexOf(QString::fromUtf8(f.row)));
        const int c = int(columns.indexOf(QString::fromUtf8(f.caption)));
        const bool box = f.kind == FieldKind::Bit || f.kind == FieldKind::Flag;
        grid->addWidget(control(f.name), r + 1, c + 1, box ? Qt::AlignCenter : Qt::Alignment());
    }
    grid->setColumnStretch(int(columns.size()), 1);
    return grid;
}

QLabel* PageWindow::label(const QString& text) {
    return new QLabel(text, this);
}

QLabel* PageWindow::rowLabel(int row, const char* caption) {
    QLabel* name = label(tx("rows", caption));
    name->setObjectName(QStringLiteral("lp%1").arg(row, 2, 10, QLatin1Char('0')));
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    return name;
}

void PageWindow::headings(QGridLayout* grid, const QStringList& captions, int firstColumn) {
    for (int i = 0; i < captions.size(); ++i) {
        QLabel* heading = label(QString());
        setHeading(heading, captions[i]);
        heading->setAlignment(Qt::AlignCenter);
        grid->addWidget(heading, 0, firstColumn + i);
    }
}

void PageWindow::bind() {
    m_binder = new FieldBinder(this, m_page);
    connect(m_binder, &FieldBinder::userEdited, this, &ManagedWindow::userEdited);
}
