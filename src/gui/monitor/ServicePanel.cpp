#include "monitor/ServicePanel.h"
#include "base/Language.h"

#include "base/Feedback.h"
#include "kit/ExchangeControls.h"
#include "unit/UnitCommands.h"

#include <QCoreApplication>

#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace {

QSpinBox* spin(QWidget* parent, const char* name, int max, int initial, int base = 10) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(0, max);
    box->setValue(initial);
    box->setDisplayIntegerBase(base);
    return box;
}

// A field of "no limit": a whole number the 4-byte field takes.
QDoubleSpinBox* wide(QWidget* parent, const char* name) {
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setDecimals(0);
    box->setRange(0, 4294967295.0);
    return box;
}

} // namespace

ServicePanel::ServicePanel(QWidget* parent, DeviceLink& link, Feedback& feedback,
                           std::function<void(const std::function<void()>&)> runLink,
                           std::function<bool(const QString&)> ask)
    : QWidget(parent), m_link(link), m_feedback(feedback), m_runLink(std::move(runLink)),
      m_ask(std::move(ask)) {
    setObjectName(QStringLiteral("servicePanel"));
    QSpinBox* device = spin(this, "PBi2cadr", 256, 64);
    QSpinBox* memory = spin(this, "PBadrmem", 256, 0);
    // An I2C read carries at most 122 bytes.
    QSpinBox* count = spin(this, "PBpoc", 122, 0);
    QSpinBox* b1 = spin(this, "PBB1", 255, 0, 2);
    QSpinBox* b2 = spin(this, "PBB2", 255, 0, 2);
    QDoubleSpinBox* flashAddress = wide(this, "PBNumEdit1");
    QSpinBox* flashCount = spin(this, "PBNumEdit2", 100, 0);
    QDoubleSpinBox* flashStart = wide(this, "PBNumEdit3");
    flashStart->setToolTip(tx("gui", "zacatek indexu"));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    const std::pair<const char*, QWidget*> fields[] = {
        {"I2Cadr", device},
        {QT_TRANSLATE_NOOP("gui", "Adr. mem"), memory},
        {QT_TRANSLATE_NOOP("gui", "Pocet"), count},
        {"Byte1", b1},
        {"Byte2", b2},
        {QT_TRANSLATE_NOOP("gui", "Adr. mem"), flashAddress},
        {QT_TRANSLATE_NOOP("gui", "Pocet"), flashCount},
        {nullptr, flashStart}};
    for (int i = 0; i < 8; ++i) {
        if (fields[i].first)
            grid->addWidget(new QLabel(tx("gui", fields[i].first), this), 0, i);
        grid->addWidget(fields[i].second, 1, i);
    }

    int index = 0;
    for (const unit::Command& c : unit::commands()) {
        if (c.group != unit::Group::Service)
            continue;
        auto* b = new QPushButton(tx("unit", c.text), this);
        b->setObjectName(QLatin1String(c.objectName));
        markExchangeControl(b);
        grid->addWidget(b, 2 + index / 5, index % 5);
        ++index;
        const unit::Command* command = &c;
        connect(b, &QPushButton::clicked, this, [this, command] {
            if (!command->question || m_ask(tx("unit", command->question)))
                send(*command);
        });
    }
}

std::uint32_t ServicePanel::valueOf(const char* box) const {
    const QString name = QLatin1String(box);
    if (auto* spin = findChild<QSpinBox*>(name))
        return std::uint32_t(spin->value());
    if (auto* wide = findChild<QDoubleSpinBox*>(name))
        return std::uint32_t(wide->value());
    return 0;
}

void ServicePanel::send(const unit::Command& command) {
    unit::Values values;
    for (const unit::Argument& argument : command.arguments)
        values.push_back(valueOf(argument.box));
    m_runLink([this, &command, values] {
        const auto lines = unit::send(m_link, command, values);
        if (!lines)
            return;
        for (const QString& line : *lines)
            m_feedback.log(line);
        const LinkPacket& reply = m_link.packet();
        for (size_t i = 0; i < command.shownBack.size(); ++i)
            if (auto* box = findChild<QSpinBox*>(QLatin1String(command.shownBack[i])))
                box->setValue(reply.payload()[i]);
    });
}
