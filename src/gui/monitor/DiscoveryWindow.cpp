// The discovery window "Discoverer": "Hledej" lists the units that answer, "Zrušit" ends a
// search early, "Clear" empties the list. "MAC UDP" and its port box are there but hidden.
// A search runs beside whatever the main window does with the unit: it only listens on the
// UDP socket, so it holds back no transfer and no transfer holds it back.
#include "base/Language.h"
#include "monitor/MonitorWindows.h"

#include "base/Errors.h"
#include "base/Text.h"
#include "kit/Dialogs.h"
#include "kit/ManagedWindow.h"
#include "monitor/Discovery.h"

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
        : ManagedWindow(row.windowClass(), row.form(), row.windowTitle(), context.settings),
          m_context(context), m_search(context.udp) {
        m_start = new QPushButton(tx("gui", "Hledej"), this);
        m_start->setObjectName(QStringLiteral("BHledej"));
        m_stop = new QPushButton(tx("gui", "Zrušit"), this);
        m_stop->setObjectName(QStringLiteral("BZrusit"));
        m_stop->setEnabled(false);
        auto* mac = new QPushButton(QStringLiteral("MAC UDP"), this);
        mac->setObjectName(QStringLiteral("BMacUdp"));
        mac->setVisible(false);
        m_port = new QSpinBox(this);
        m_port->setObjectName(QStringLiteral("udpport"));
        m_port->setRange(0, 65535);
        m_port->setVisible(false);
        auto* clear = new QPushButton(tx("gui", "Clear"), this);
        clear->setObjectName(QStringLiteral("BClear"));
        m_log = new QPlainTextEdit(this);
        m_log->setObjectName(QStringLiteral("Memo1"));
        m_log->setReadOnly(true);

        connect(m_start, &QPushButton::clicked, this, [this] { startSearch(); });
        connect(m_stop, &QPushButton::clicked, this, [this] { m_search.cancel(); });
        m_search.onAnswer = [this](const QString& line) {
            m_log->appendPlainText(visibleText(line));
        };
        m_search.onFinished = [this](discovery::Search::End end, const QString& text) {
            m_start->setEnabled(true);
            m_stop->setEnabled(false);
            if (end == discovery::Search::End::Error)
                m_context.dialogs.message(this, text, Severity::Error);
            else if (!text.isEmpty())
                m_log->appendPlainText(text);
        };
        connect(mac, &QPushButton::clicked, this, [this] { sendMacProbe(); });
        connect(clear, &QPushButton::clicked, m_log, &QPlainTextEdit::clear);

        auto* buttons = new QHBoxLayout;
        buttons->addWidget(m_start);
        buttons->addWidget(m_stop);
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
    void startSearch() {
        const auto [address, port] = m_context.searchTarget();
        try {
            m_search.start(address, port);
        } catch (const OperationError& e) {
            m_context.dialogs.message(this, e.text(), Severity::Error);
            return;
        }
        m_start->setEnabled(!m_search.isRunning());
        m_stop->setEnabled(m_search.isRunning());
        if (m_search.isRunning())
            m_stop->setFocus();
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
    discovery::Search m_search;
    QPushButton* m_start;
    QPushButton* m_stop;
    QSpinBox* m_port;
    QPlainTextEdit* m_log;
};

} // namespace

std::unique_ptr<ManagedWindow> makeDiscoveryWindow(const WindowRow& row, WindowContext& context) {
    return std::make_unique<DiscoveryWindow>(row, context);
}
