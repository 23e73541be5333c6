#include "editors/PageWindow.h"

#include "app/FieldBinder.h"
#include "app/ExchangeControls.h"
#include "image/FieldPage.h"
#include "workspace/Workspace.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

PageWindow::PageWindow(PageSlot slot, const WindowRow& row, WindowContext& context)
    : ManagedWindow(row.windowClass(), row.form(), QString::fromUtf8(row.title), context.settings),
      m_context(context), m_slot(slot), m_page(context.workspace.pageAs<FieldPage>(slot)) {
    m_save = new QPushButton(QStringLiteral("Ulož"), this);
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

QWidget* PageWindow::control(const char* name) {
    if (QWidget* made = findChild<QWidget*>(QLatin1String(name)))
        return made;
    const FieldSpec* f = m_page.field(QLatin1String(name));
    QWidget* w = nullptr;
    switch (f ? f->kind : FieldKind::Label) {
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
    case FieldKind::Tenths: {
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
    }
    w->setObjectName(QLatin1String(name));
    return w;
}

QLabel* PageWindow::captionOf(const char* name) {
    const FieldSpec* f = m_page.field(QLatin1String(name));
    return label(f ? QString::fromUtf8(f->caption) : QString());
}

QLabel* PageWindow::label(const QString& text) {
    return new QLabel(text, this);
}

QLabel* PageWindow::rowLabel(int row, const char* caption) {
    QLabel* name = label(QString::fromUtf8(caption));
    name->setObjectName(QStringLiteral("lp%1").arg(row, 2, 10, QLatin1Char('0')));
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    return name;
}

void PageWindow::headings(QGridLayout* grid, const QStringList& captions, int firstColumn) {
    for (int i = 0; i < captions.size(); ++i) {
        QString text = captions[i];
        const int unit = int(text.indexOf(QStringLiteral(" [")));
        if (unit > 0)
            text = text.left(unit) + QLatin1Char('\n') + text.mid(unit + 1);
        QLabel* heading = label(text);
        heading->setAlignment(Qt::AlignCenter);
        grid->addWidget(heading, 0, firstColumn + i);
    }
}

void PageWindow::bind() {
    m_binder = new FieldBinder(this, m_page);
}
