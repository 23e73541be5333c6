#pragma once

#include "image/ConfigImage.h"
#include "link/Login.h"

#include <QString>
#include <functional>

// The workflows every front end shares: the window, quel5ctl and the station runs call
// these and only say what they report.
namespace ops {

// What a login refused to give: the work did not run.
extern const char* const LoginRefused; // "Chyba při přihlášení"

struct SessionResult {
    bool ok = false;
    bool loginRefused = false;
    // Why the work failed when it threw: the OperationError's text. Empty when the work
    // only returned false (it said why itself) or the login was refused.
    QString failure;
    // Why the logout did not go through; the work's result stands all the same.
    QString logoutFailure;
};

// Logs in with the rights the work needs (Rights::Nobody: no login), runs the work and
// logs out again whenever the login gave any rights: also after a refused login, a
// failure or an exception. A unit that just failed gets one short chance to log out, not a
// second time-out. The work gets the session, or null without a login; its result is the
// operation's, and an OperationError it throws fails it with its text.
SessionResult withSession(DeviceLink& link, const QString& user, const QString& password,
                          Rights needed, const std::function<bool(UnitSession*)>& work);

// Reads a whole configuration file that is to go to units: a file shorter than the image
// would send zeros for everything it lacks and wipe the unit, so it is refused (FileError,
// "nothing was sent") before anything is sent. Throws FileError as readImageFile does.
void loadFullConfigFile(const QString& path, ConfigImage& image);

} // namespace ops
