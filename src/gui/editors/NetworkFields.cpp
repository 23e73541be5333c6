#include "editors/NetworkFields.h"
#include "base/Language.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// A field never gets narrower than its widest value in its own font.
void keepReadable(QWidget* field, const QString& widest) {
    const int text = field->fontMetrics().horizontalAdvance(widest);
    field->setMinimumWidth(text + 2 * field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) +
                           16);
}

template <typename T> T* named(QWidget* parent, const QString& name) {
    auto* w = new T(parent);
    w->setObjectName(name);
    return w;
}

QLineEdit* address(QWidget* parent, const char* name) {
    auto* edit = named<QLineEdit>(parent, QLatin1String(name));
    keepReadable(edit, QStringLiteral("255.255.255.255"));
    return edit;
}

QLineEdit* text(QWidget* parent, const QString& name) {
    auto* edit = named<QLineEdit>(parent, name);
    keepReadable(edit, QString(10, QLatin1Char('W')));
    return edit;
}

QSpinBox* port(QWidget* parent, const char* name) {
    auto* spin = named<QSpinBox>(parent, QLatin1String(name));
    spin->setRange(1, 65535);
    spin->setMinimumWidth(spin->sizeHint().width());
    return spin;
}

} // namespace

NetworkFields::NetworkFields(QWidget* parent) : QWidget(parent) {
    auto label = [this](const QString& caption) { return new QLabel(caption, this); };

    QLineEdit* ip = address(this, "LMDIP");
    QFont big = ip->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.5);
    ip->setFont(big);
    ip->setAlignment(Qt::AlignCenter);
    keepReadable(ip, QStringLiteral("255.255.255.255"));

    auto* identity = new QGridLayout;
    int row = 0;
    identity->addWidget(label(tx("fields", "IP adresa")), row, 0);
    identity->addWidget(ip, row++, 1);
    const std::pair<const char*, QWidget*> rows[] = {
        {"Maska", address(this, "LMDmaska")},
        {"Gateway", address(this, "LMDgw")},
        {"Primary DNS", address(this, "LMDns1")},
        {"Secondary DNS", address(this, "LMDns2")},
        {"NB name", text(this, QStringLiteral("LMDnbname"))},
        {"Popis", text(this, QStringLiteral("LMDpopis"))},
        {"Uživatel", text(this, QStringLiteral("LMDuziv"))},
        {"Admin", text(this, QStringLiteral("LMDAdmin"))}};
    for (const auto& [caption, field] : rows) {
        identity->addWidget(label(tx("fields", caption)), row, 0);
        identity->addWidget(field, row++, 1);
    }

    auto* snmp = new QGridLayout;
    snmp->addWidget(label(tx("fields", "Read community")), 0, 0);
    // The heading goes with the fields it stands over: administrators only.
    QLabel* writeHeading = label(tx("fields", "Write community"));
    writeHeading->setObjectName(QStringLiteral("Lwcom"));
    writeHeading->setVisible(false);
    snmp->addWidget(writeHeading, 0, 1);
    for (int i = 0; i < 3; ++i) {
        snmp->addWidget(text(this, QStringLiteral("rcom%1").arg(i)), i + 1, 0);
        QLineEdit* write = text(this, QStringLiteral("wcom%1").arg(i));
        write->setVisible(false); // administrators only
        snmp->addWidget(write, i + 1, 1);
    }
    snmp->addWidget(label(tx("fields", "Community")), 4, 1);
    snmp->addWidget(label(tx("fields", "Full")), 4, 2);
    snmp->addWidget(label(tx("fields", "Port")), 4, 3);
    for (int trap = 1; trap <= 2; ++trap) {
        const int line = 3 + 2 * trap;
        snmp->addWidget(label(QStringLiteral("SNMP trap  IP%1").arg(trap)), line, 0);
        snmp->addWidget(address(this, trap == 1 ? "LMDsnmp1" : "LMDsnmp2"), line + 1, 0);
        snmp->addWidget(text(this, QStringLiteral("LMDcom%1").arg(trap)), line + 1, 1);
        snmp->addWidget(named<QCheckBox>(this, QStringLiteral("trt%1").arg(trap)), line + 1, 2);
        snmp->addWidget(port(this, trap == 1 ? "udppt1" : "udppt2"), line + 1, 3);
    }

    auto* advanced = new QGridLayout;
    const std::pair<const char*, QWidget*> extra[] = {
        {"UDP port", port(this, "udpport")},
        {"TCP port1", port(this, "tcpport1")},
        {"TCP port2", port(this, "tcpport2")},
        {"NTP server", text(this, QStringLiteral("ntpser"))},
        {"Time reload [ms]", port(this, "tmreload")}};
    row = 0;
    for (const auto& [caption, field] : extra) {
        QLabel* l = label(tx("fields", caption));
        advanced->addWidget(l, row, 0);
        advanced->addWidget(field, row++, 1);
        m_advanced << l << field;
    }
    auto* mac = named<QLabel>(this, QStringLiteral("LMAC"));
    advanced->addWidget(mac, row, 0, 1, 2);
    m_advanced << mac;

    m_save = new QPushButton(tx("gui", "Ulož"), this);
    m_save->setObjectName(QStringLiteral("LButtU"));
    m_save->setEnabled(false);

    auto* columns = new QHBoxLayout;
    columns->addLayout(identity);
    columns->addLayout(snmp);
    columns->addLayout(advanced);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addLayout(columns);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_save);
    buttons->addStretch();
    outer->addLayout(buttons);

    setAdvancedVisible(false);
}

void NetworkFields::setAdvancedVisible(bool visible) {
    for (QWidget* w : m_advanced)
        w->setVisible(visible);
}

QString NetworkFields::nbName() const {
    return findChild<QLineEdit*>(QStringLiteral("LMDnbname"))->text();
}
