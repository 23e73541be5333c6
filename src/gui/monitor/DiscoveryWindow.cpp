// The discovery window "Discoverer": "Hledej" lists the units that answer, "Clear" empties
// the list. "MAC UDP" and its port box are there but hidden.
#include "monitor/MonitorWindows.h"

#include "app/MainWindow.h"
#include "app/ManagedWindow.h"
#include "monitor/Discovery.h"
#include "workspace/Workspace.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QUdpSocket>
#include <QVBoxLayout>

namespace {

class DiscoveryWindow : public ManagedWindow {
public:
    DiscoveryWindow(const WindowRow& row, WindowContext& context)
        : ManagedWindow(row.windowClass(), row.form(), QString::fromUtf8(row.title),
                        context.settings),
          m_context(context) {
        auto* search = new QPushButton(QStringLiteral("Hledej"), this);
        search->setObjectName(QStringLiteral("BHledej"));
        MainWindow::markExchangeControl(search);
        auto* mac = new QPushButton(QStringLiteral("MAC UDP"), this);
        mac->setObjectName(QStringLiteral("BMacUdp"));
        mac->setVisible(false);
        m_port = new QSpinBox(this);
        m_port->setObjectName(QStringLiteral("udpport"));
        m_port->setRange(0, 65535);
        m_port->setVisible(false);
        auto* clear = new QPushButton(QStringLiteral("Clear"), this);
        clear->setObjectName(QStringLiteral("BClear"));
        m_log = new QPlainTextEdit(this);
        m_log->setObjectName(QStringLiteral("Memo1"));
        m_log->setReadOnly(true);

        connect(search, &QPushButton::clicked, this, [this] { runSearch(); });
        connect(mac, &QPushButton::clicked, this, [this] { sendMacProbe(); });
        connect(clear, &QPushButton::clicked, m_log, &QPlainTextEdit::clear);

        auto* buttons = new QHBoxLayout;
        buttons->addWidget(search);
        buttons->addWidget(mac);
        buttons->addWidget(m_port);
        buttons->addWidget(clear);
        buttons->addStretch();
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(buttons);
        layout->addWidget(m_log, 1);
        resize(520, 320);
    }

private:
    void runSearch() {
        m_context.run([this] {
            const auto [address, port] = m_context.searchTarget();
            discovery::search(m_context.udp, address, port, m_context.workspace.link().feedback(),
                              [this](const QString& line) { m_log->appendPlainText(line); });
        });
    }

    // Four bytes to the unit address and the hidden port; no answer is read.
    void sendMacProbe() {
        const QHostAddress target(m_context.address());
        if (target.isNull())
            return;
        static const QByteArray probe("\x23\x00\x23\x00", 4);
        m_context.udp.writeDatagram(probe, target, quint16(m_port->value()));
    }

    WindowContext m_context;
    QSpinBox* m_port;
    QPlainTextEdit* m_log;
};

} // namespace

std::unique_ptr<ManagedWindow> makeDiscoveryWindow(const WindowRow& row, WindowContext& context) {
    return std::make_unique<DiscoveryWindow>(row, context);
}
