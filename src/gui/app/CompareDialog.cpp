#include "app/CompareDialog.h"
#include "base/Language.h"

#include "base/Text.h"
#include "kit/ExchangeControls.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr int SlotRole = Qt::UserRole;
}

CompareDialog::CompareDialog(QWidget* parent, std::function<bool(const Selectors&)> upload)
    : QDialog(parent), m_upload_(std::move(upload)) {
    setObjectName(QStringLiteral("TFporovnani"));
    setWindowTitle(tx("gui", "Porovnání s jednotkou"));
    m_heading = new QLabel(this);
    m_heading->setWordWrap(true);
    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("Rozdily"));
    m_tree->setHeaderLabels({tx("gui", "Pole"), tx("gui", "V jednotce"), tx("gui", "V oknech")});
    m_tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_upload = new QPushButton(tx("gui", "&Nahraj vybrané"), this);
    m_upload->setObjectName(QStringLiteral("BNahrajVybrane"));
    m_upload->setToolTip(tx("gui", "Nahraje do jednotky zaškrtnuté stránky tak, jak je "
                                   "drží okna, a ověří je čtením zpět"));
    markExchangeControl(m_upload);
    auto* close = new QPushButton(tx("gui", "&Zavřít"), this);
    close->setObjectName(QStringLiteral("BZavrit"));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(m_upload, QDialogButtonBox::ActionRole);
    buttons->addButton(close, QDialogButtonBox::RejectRole);
    connect(m_upload, &QPushButton::clicked, this, &CompareDialog::uploadTicked);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_tree, 1);
    layout->addWidget(buttons);
    resize(720, 460);
}

void CompareDialog::showChanges(const QString& unit, const std::vector<FieldChange>& changes) {
    m_tree->clear();
    QTreeWidgetItem* page = nullptr;
    int pages = 0;
    for (const FieldChange& c : changes) {
        if (!page || page->data(0, SlotRole).toInt() != int(c.slot)) {
            page = new QTreeWidgetItem(m_tree, {c.page});
            page->setData(0, SlotRole, int(c.slot));
            page->setFlags(page->flags() | Qt::ItemIsUserCheckable);
            page->setCheckState(0, Qt::Checked);
            page->setExpanded(true);
            QFont bold = page->font(0);
            bold.setBold(true);
            page->setFont(0, bold);
            ++pages;
        }
        new QTreeWidgetItem(page,
                            {visibleText(c.where), visibleText(c.before), visibleText(c.after)});
    }
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = m_tree->topLevelItem(i);
        item->setText(0, QStringLiteral("%1 (%2)").arg(item->text(0)).arg(item->childCount()));
    }
    m_heading->setText(tx("gui", "Okna se liší od jednotky %1. Rozdílná pole: %2, "
                                 "stránky: %3. Zaškrtnuté stránky lze nahrát do jednotky.")
                           .arg(visibleText(unit))
                           .arg(changes.size())
                           .arg(pages));
    m_tree->setCurrentItem(m_tree->topLevelItem(0));
}

Selectors CompareDialog::ticked() const {
    Selectors selectors;
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = m_tree->topLevelItem(i);
        if (item->checkState(0) == Qt::Checked)
            selectors = selectors.with(PageSlot(item->data(0, SlotRole).toInt()));
    }
    return selectors;
}

void CompareDialog::uploadTicked() {
    const Selectors selectors = ticked();
    if (selectors.isEmpty())
        return;
    // What was written and verified no longer differs.
    if (m_upload_(selectors))
        accept();
}
