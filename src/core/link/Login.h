#pragma once

#include "link/DeviceLink.h"

#include <optional>

// The rights a login holds: what the unit granted, or nobody. LoggedOut is the passing
// state a logout leaves until the rights are applied (no "Chyba při přihlášení" then).
enum class Rights : std::uint8_t { Nobody = 0, User = 1, Admin = 2, LoggedOut = 3 };

// Sends the #IA login and returns the reply's status byte (the granted rights level),
// or nothing when the exchange did not reach the unit.
std::optional<std::uint8_t> requestLogin(DeviceLink& link, const QString& name,
                                         const QString& password);

// Logs in with #IA. An exchange that did not reach the unit is a refused login, whatever
// the status byte holds. Name and password are cut to 8 characters.
Rights loginToUnit(DeviceLink& link, const QString& name, const QString& password);

// Logs out with #IA and 18 zero bytes; the reply is not used.
void logoutFromUnit(DeviceLink& link);

// A login for one piece of work on one link. It logs in at once and logs out again
// whenever the login gave any rights, also when the work failed or threw: a unit that
// granted user rights to someone who needed an administrator is not left logged in.
class UnitSession {
public:
    UnitSession(DeviceLink& link, const QString& name, const QString& password,
                Rights needed = Rights::Admin);
    ~UnitSession();
    UnitSession(const UnitSession&) = delete;
    UnitSession& operator=(const UnitSession&) = delete;

    Rights rights() const { return m_rights; }
    // The login gave at least the rights the work needs.
    bool granted() const;
    // Logs out now (a unit that just failed gets a short time-out). An empty text when
    // the logout went through, otherwise why not: the work's own result stands all the same.
    QString logout(bool afterTrouble = false);
    // The unit dropped the login by itself (it was reset): nothing to log out.
    void forget() { m_open = false; }

private:
    DeviceLink& m_link;
    Rights m_rights = Rights::Nobody;
    Rights m_needed;
    bool m_open = false;
};
