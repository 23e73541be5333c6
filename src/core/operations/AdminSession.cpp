#include "operations/AdminSession.h"

#include "base/Errors.h"
#include "image/ConfigFile.h"
#include "image/MemoryMap.h"

#include <QCoreApplication>
#include <optional>

namespace ops {

const char* const LoginRefused = QT_TRANSLATE_NOOP("ops", "Chyba při přihlášení");

SessionResult withSession(DeviceLink& link, const QString& user, const QString& password,
                          Rights needed, const std::function<bool(UnitSession*)>& work) {
    SessionResult result;
    std::optional<UnitSession> session;
    if (needed != Rights::Nobody) {
        session.emplace(link, user, password, needed);
        if (!session->granted()) {
            result.loginRefused = true;
            result.logoutFailure = session->logout();
            return result;
        }
    }
    try {
        result.ok = work(session ? &*session : nullptr);
    } catch (const OperationError& e) {
        result.failure = e.text();
    }
    if (session)
        result.logoutFailure = session->logout(!result.ok);
    return result;
}

void loadFullConfigFile(const QString& path, ConfigImage& image) {
    ConfigImage loaded;
    const qint64 size = readImageFile(path, loaded);
    if (size < mem::ImageSize)
        throw FileError(QCoreApplication::translate("ops",
                                                    "%1: soubor má jen %2 bajtů, konfigurace "
                                                    "jich má %3. Do jednotky nebylo nic odesláno.")
                            .arg(path)
                            .arg(size)
                            .arg(mem::ImageSize));
    image = loaded;
}

} // namespace ops
