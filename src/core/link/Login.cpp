#include "link/Login.h"
#include "base/Language.h"

#include "base/Errors.h"
#include "base/Text.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr int FieldSize = 9;
constexpr int MaxChars = 8;

// Only the characters and their zero byte are set; the rest of the field keeps what
// the packet held.
void putField(std::uint8_t* field, const QString& text) {
    const QByteArray encoded = cp1250::encode(text).left(MaxChars);
    std::memcpy(field, encoded.constData(), size_t(encoded.size()));
    field[encoded.size()] = 0;
}
} // namespace

std::optional<std::uint8_t> requestLogin(DeviceLink& link, const QString& name,
                                         const QString& password) {
    LinkPacket& packet = link.packet();
    packet.setCommand('I', 'A');
    packet.setStatus(0);
    packet.setLength(2 * FieldSize);
    putField(packet.payload(), name);
    putField(packet.payload() + FieldSize, password);
    link.exchange(ExchangeMode::CloseAfterReply);
    if (link.linkFailed())
        return std::nullopt;
    return packet.status();
}

Rights loginToUnit(DeviceLink& link, const QString& name, const QString& password) {
    const auto status = requestLogin(link, name, password);
    switch (status.value_or(0)) {
    case 1:
        return Rights::User;
    case 2:
        return Rights::Admin;
    default:
        return Rights::Nobody;
    }
}

void logoutFromUnit(DeviceLink& link) {
    LinkPacket& packet = link.packet();
    packet.setCommand('I', 'A');
    packet.setStatus(0);
    packet.setLength(2 * FieldSize);
    std::fill_n(packet.payload(), 2 * FieldSize, std::uint8_t(0));
    link.exchange(ExchangeMode::CloseAfterReply);
}

namespace {
constexpr int ShortLogoutMs = 1000;
}

UnitSession::UnitSession(DeviceLink& link, const QString& name, const QString& password,
                         Rights needed)
    : m_link(link), m_needed(needed) {
    m_rights = loginToUnit(link, name, password);
    m_open = m_rights != Rights::Nobody;
}

UnitSession::~UnitSession() {
    if (m_open)
        logout(true);
}

bool UnitSession::granted() const {
    return m_rights != Rights::Nobody && m_rights != Rights::LoggedOut &&
           int(m_rights) >= int(m_needed);
}

QString UnitSession::logout(bool afterTrouble) {
    if (!m_open)
        return {};
    m_open = false;
    if (afterTrouble) {
        m_link.setReadTimeoutMs(std::min(m_link.readTimeoutMs(), ShortLogoutMs));
        m_link.setConnectTimeoutMs(ShortLogoutMs);
    }
    try {
        logoutFromUnit(m_link);
        if (m_link.linkFailed())
            return tx("link", "odhlášení z jednotky se nezdařilo.");
    } catch (const OperationError& e) {
        return tx("link", "odhlášení z jednotky se nezdařilo: %1").arg(e.text());
    } catch (const std::exception& e) {
        return tx("link", "odhlášení z jednotky se nezdařilo: %1")
            .arg(QString::fromStdString(e.what()));
    } catch (...) {
        return tx("link", "odhlášení z jednotky se nezdařilo.");
    }
    return {};
}
