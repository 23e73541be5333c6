#include "app/ServicePanel.h"

#include "app/ExchangeControls.h"
#include "base/Feedback.h"
#include "monitor/DeviceStatus.h"

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

// Values enter the packet as integers and keep their low-order bits: 256 in a byte is 0.
std::uint8_t low(const QSpinBox* box) {
    return std::uint8_t(box->value());
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
    flashStart->setToolTip(QStringLiteral("zacatek indexu"));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    const std::pair<const char*, QWidget*> fields[] = {
        {"I2Cadr", device},    {"Adr. mem", memory}, {"Pocet", count},
        {"Byte1", b1},         {"Byte2", b2},        {"Adr. mem", flashAddress},
        {"Pocet", flashCount}, {nullptr, flashStart}};
    for (int i = 0; i < 8; ++i) {
        if (fields[i].first)
            grid->addWidget(new QLabel(QString::fromUtf8(fields[i].first), this), 0, i);
        grid->addWidget(fields[i].second, 1, i);
    }

    // The link's one packet, the same for the panel's whole life.
    LinkPacket* pk = &m_link.packet();
    auto button = [&](const char* name, const char* text, int column, int row,
                      std::function<void()> request, std::function<void()> after = {},
                      const char* question = nullptr) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QLatin1String(name));
        markExchangeControl(b);
        grid->addWidget(b, row, column);
        connect(b, &QPushButton::clicked, this, [this, request, after, question] {
            if (!question || m_ask(QString::fromUtf8(question)))
                send(request, after);
        });
    };
    button(
        "BRecv1", "Recv 1.B", 0, 2, [=] { service::i2cRead(*pk, low(device), low(memory), 1); },
        [=, this] {
            m_feedback.log(service::recvOneLine(*pk));
            b1->setValue(pk->payload()[0]);
        });
    button(
        "BRecv2", "Recv 2B", 1, 2, [=] { service::i2cRead(*pk, low(device), low(memory), 2); },
        [=, this] {
            m_feedback.log(service::recvTwoLine(*pk));
            b1->setValue(pk->payload()[0]);
            b2->setValue(pk->payload()[1]);
        });
    button(
        "BRecvP", "Recv p.B", 2, 2,
        [=] { service::i2cRead(*pk, low(device), low(memory), std::uint8_t(count->value())); },
        [=, this] {
            for (const QString& line : service::recvManyLines(*pk, memory->value()))
                m_feedback.log(line);
        });
    button(
        "BSend1", "Send 1.B", 3, 2,
        [=] { service::i2cWrite(*pk, low(device), low(memory), {low(b1)}); },
        [pk, this] { m_feedback.log(service::sendLine(*pk)); });
    button(
        "BSend2", "Send 2B", 4, 2,
        [=] {
            service::i2cWrite(*pk, low(device), low(memory), {low(b1), low(b2)});
        },
        [pk, this] { m_feedback.log(service::sendLine(*pk)); });
    button("BOutputs", "Outputs", 0, 3, [=] { service::rawOutputs(*pk, low(b1), low(b2)); });
    button("BPwm", "PWM", 1, 3, [=] { service::rawPwm(*pk, low(b1), low(b2)); });
    button(
        "BFlashUloz", "Flash uloz", 2, 3,
        [=] {
            service::flashWrite(*pk, std::uint32_t(flashAddress->value()), flashCount->value(),
                                std::uint32_t(flashStart->value()));
        },
        {}, "Zapsat bajty do paměti flash jednotky?");
    button(
        "BFlashNacti", "Flash nacti", 3, 3,
        [=] { service::flashRead(*pk, std::uint32_t(flashAddress->value()), flashCount->value()); },
        [=, this] {
            for (const QString& line : service::flashReadLines(
                     *pk, std::uint32_t(flashAddress->value()), flashCount->value()))
                m_feedback.log(line);
        });
    button(
        "BNulujEn", "Nuluj en.", 4, 3, [pk] { service::energyReset(*pk); }, {},
        "Vynulovat čítače energie jednotky?");
}

void ServicePanel::send(const std::function<void()>& request, const std::function<void()>& after) {
    m_runLink([this, request, after] {
        request();
        m_link.exchange(ExchangeMode::CloseAfterReply);
        if (after)
            after();
    });
}
