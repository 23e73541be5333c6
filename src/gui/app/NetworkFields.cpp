#include "app/NetworkFields.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace {
// A field never gets narrower than its widest value in its own font.
void keepReadable(QWidget* field, const QString& widest) {
    const int text = field->fontMetrics().horizontalAdvance(widest);
    field->setMinimumWidth(text + 2 * field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) +
                           16);
}
} // namespace

QLineEdit* NetworkFields::addressField(const char* name, const QString& initial) {
    auto* edit = new QLineEdit(initial, this);
    edit->setObjectName(QLatin1String(name));
    keepReadable(edit, QStringLiteral("255.255.255.255"));
    return edit;
}

QLineEdit* NetworkFields::textField(const char* name, int maxChars) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QLatin1String(name));
    // A longer text from the unit or a file is still shown whole; the limit only stops
    // typing past it.
    edit->setProperty("typingLimit", maxChars);
    edit->setMaxLength(maxChars);
    keepReadable(edit, QString(std::min(maxChars, 12), QLatin1Char('W')));
    return edit;
}

namespace {
// A text longer than the field's typing limit (from a unit or a file) is shown whole:
// the limit widens to it until the next scatter. The gather cuts it to the record field.
void showText(QLineEdit* edit, const QString& text) {
    const int limit = edit->property("typingLimit").toInt();
    if (limit > 0)
        edit->setMaxLength(std::max(limit, int(text.size())));
    edit->setText(text);
}
} // namespace

QSpinBox* NetworkFields::portField(const char* name, int initial) {
    auto* spin = new QSpinBox(this);
    spin->setObjectName(QLatin1String(name));
    spin->setRange(1, 65535);
    spin->setValue(initial);
    spin->setMinimumWidth(spin->sizeHint().width());
    return spin;
}

NetworkFields::NetworkFields(NetworkPage& model, QWidget* parent)
    : QWidget(parent), m_model(model) {
    const NetworkPage::Fields initial;
    m_ip = addressField("LMDIP", initial.ip);
    QFont big = m_ip->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.5);
    m_ip->setFont(big);
    keepReadable(m_ip, QStringLiteral("255.255.255.255"));
    m_ip->setAlignment(Qt::AlignCenter);
    m_mask = addressField("LMDmaska", initial.mask);
    m_gateway = addressField("LMDgw", initial.gateway);
    m_dns1 = addressField("LMDns1", initial.dns1);
    m_dns2 = addressField("LMDns2", initial.dns2);
    m_nbName = textField("LMDnbname", NetworkPage::NbNameMaxChars);
    showText(m_nbName, initial.nbName);
    m_popis = textField("LMDpopis", NetworkPage::PopisMaxChars);
    for (int i = 0; i < 3; ++i) {
        m_rcom[i] =
            textField(qPrintable(QStringLiteral("rcom%1").arg(i)), NetworkPage::CommunityMaxChars);
        m_wcom[i] =
            textField(qPrintable(QStringLiteral("wcom%1").arg(i)), NetworkPage::CommunityMaxChars);
        m_wcom[i]->setVisible(false); // administrators only
    }
    m_trap1 = addressField("LMDsnmp1", initial.trap1);
    m_trap2 = addressField("LMDsnmp2", initial.trap2);
    m_com1 = textField("LMDcom1", NetworkPage::CommunityMaxChars);
    m_com2 = textField("LMDcom2", NetworkPage::CommunityMaxChars);
    m_full1 = new QCheckBox(this);
    m_full1->setObjectName(QStringLiteral("trt1"));
    m_full2 = new QCheckBox(this);
    m_full2->setObjectName(QStringLiteral("trt2"));
    m_trapPort1 = portField("udppt1", initial.trapPort1);
    m_trapPort2 = portField("udppt2", initial.trapPort2);
    m_user = textField("LMDuziv", NetworkPage::AccountMaxChars);
    m_admin = textField("LMDAdmin", NetworkPage::AccountMaxChars);
    m_udpPort = portField("udpport", initial.udpPort);
    m_tcpPort1 = portField("tcpport1", initial.tcpPort1);
    m_tcpPort2 = portField("tcpport2", initial.tcpPort2);
    m_ntp = textField("ntpser", NetworkPage::NtpMaxChars);
    m_reload = portField("tmreload", initial.timeReload);
    m_mac = new QLabel(this);
    m_mac->setObjectName(QStringLiteral("LMAC"));
    m_save = new QPushButton(QStringLiteral("Ulož"), this);
    m_save->setObjectName(QStringLiteral("LButtU"));
    m_save->setEnabled(false);

    auto label = [this](const QString& text) { return new QLabel(text, this); };

    auto* identity = new QGridLayout;
    int row = 0;
    identity->addWidget(label(QStringLiteral("IP adresa")), row, 0);
    identity->addWidget(m_ip, row++, 1);
    const std::pair<const char*, QLineEdit*> rows[] = {
        {"Maska", m_mask},         {"Gateway", m_gateway}, {"Primary DNS", m_dns1},
        {"Secondary DNS", m_dns2}, {"NB name", m_nbName},  {"Popis", m_popis}};
    for (const auto& [text, edit] : rows) {
        identity->addWidget(label(QString::fromUtf8(text)), row, 0);
        identity->addWidget(edit, row++, 1);
    }
    identity->addWidget(label(QStringLiteral("Uživatel")), row, 0);
    identity->addWidget(m_user, row++, 1);
    identity->addWidget(label(QStringLiteral("Admin")), row, 0);
    identity->addWidget(m_admin, row++, 1);

    auto* snmp = new QGridLayout;
    snmp->addWidget(label(QStringLiteral("Read community")), 0, 0);
    // The heading goes with the fields it stands over: administrators only.
    QLabel* writeHeading = label(QStringLiteral("Write community"));
    writeHeading->setObjectName(QStringLiteral("Lwcom"));
    writeHeading->setVisible(false);
    snmp->addWidget(writeHeading, 0, 1);
    for (int i = 0; i < 3; ++i) {
        snmp->addWidget(m_rcom[i], i + 1, 0);
        snmp->addWidget(m_wcom[i], i + 1, 1);
    }
    snmp->addWidget(label(QStringLiteral("Community")), 4, 1);
    snmp->addWidget(label(QStringLiteral("Full")), 4, 2);
    snmp->addWidget(label(QStringLiteral("Port")), 4, 3);
    snmp->addWidget(label(QStringLiteral("SNMP trap  IP1")), 5, 0);
    snmp->addWidget(m_trap1, 6, 0);
    snmp->addWidget(m_com1, 6, 1);
    snmp->addWidget(m_full1, 6, 2);
    snmp->addWidget(m_trapPort1, 6, 3);
    snmp->addWidget(label(QStringLiteral("SNMP trap  IP2")), 7, 0);
    snmp->addWidget(m_trap2, 8, 0);
    snmp->addWidget(m_com2, 8, 1);
    snmp->addWidget(m_full2, 8, 2);
    snmp->addWidget(m_trapPort2, 8, 3);

    auto* advanced = new QGridLayout;
    const std::pair<const char*, QWidget*> extra[] = {{"UDP port", m_udpPort},
                                                      {"TCP port1", m_tcpPort1},
                                                      {"TCP port2", m_tcpPort2},
                                                      {"NTP server", m_ntp},
                                                      {"Time reload [ms]", m_reload}};
    row = 0;
    for (const auto& [text, field] : extra) {
        QLabel* caption = label(QString::fromUtf8(text));
        advanced->addWidget(caption, row, 0);
        advanced->addWidget(field, row++, 1);
        m_advanced << caption << field;
    }
    advanced->addWidget(m_mac, row, 0, 1, 2);
    m_advanced << m_mac;

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
    return m_nbName->text();
}

void NetworkFields::showModel() {
    const NetworkPage::Fields& f = m_model.fields;
    m_ip->setText(f.ip);
    m_mask->setText(f.mask);
    m_gateway->setText(f.gateway);
    m_dns1->setText(f.dns1);
    m_dns2->setText(f.dns2);
    showText(m_nbName, f.nbName);
    showText(m_popis, f.popis);
    for (int i = 0; i < 3; ++i) {
        showText(m_rcom[i], f.readCommunity[size_t(i)]);
        showText(m_wcom[i], f.writeCommunity[size_t(i)]);
    }
    m_trap1->setText(f.trap1);
    m_trap2->setText(f.trap2);
    showText(m_com1, f.trapCommunity1);
    showText(m_com2, f.trapCommunity2);
    m_full1->setChecked(f.trapFull1);
    m_full2->setChecked(f.trapFull2);
    m_trapPort1->setValue(f.trapPort1);
    m_trapPort2->setValue(f.trapPort2);
    showText(m_user, f.userName);
    showText(m_admin, f.adminName);
    m_udpPort->setValue(f.udpPort);
    m_tcpPort1->setValue(f.tcpPort1);
    m_tcpPort2->setValue(f.tcpPort2);
    showText(m_ntp, f.ntpServer);
    m_reload->setValue(f.timeReload);
    m_mac->setText(m_model.macText());
}

void NetworkFields::storeToModel() {
    NetworkPage::Fields& f = m_model.fields;
    f.ip = m_ip->text();
    f.mask = m_mask->text();
    f.gateway = m_gateway->text();
    f.dns1 = m_dns1->text();
    f.dns2 = m_dns2->text();
    f.nbName = m_nbName->text();
    f.popis = m_popis->text();
    for (int i = 0; i < 3; ++i) {
        f.readCommunity[size_t(i)] = m_rcom[i]->text();
        f.writeCommunity[size_t(i)] = m_wcom[i]->text();
    }
    f.trap1 = m_trap1->text();
    f.trap2 = m_trap2->text();
    f.trapCommunity1 = m_com1->text();
    f.trapCommunity2 = m_com2->text();
    f.trapFull1 = m_full1->isChecked();
    f.trapFull2 = m_full2->isChecked();
    f.trapPort1 = m_trapPort1->value();
    f.trapPort2 = m_trapPort2->value();
    f.userName = m_user->text();
    f.adminName = m_admin->text();
    f.udpPort = m_udpPort->value();
    f.tcpPort1 = m_tcpPort1->value();
    f.tcpPort2 = m_tcpPort2->value();
    f.ntpServer = m_ntp->text();
    f.timeReload = m_reload->value();
}

void NetworkFields::scatter(const ConfigImage& image) {
    m_model.scatter(image);
    showModel();
}

void NetworkFields::gather(ConfigImage& image) {
    storeToModel();
    m_model.gather(image);
}
