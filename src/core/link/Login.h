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
