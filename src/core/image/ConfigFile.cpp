#include "image/ConfigFile.h"
#include "base/Language.h"

#include "base/Errors.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
QString fileProblem(const QString& path, const QString& why) {
    return QStringLiteral("%1: %2").arg(path, why);
}
} // namespace

void requireRegularFile(const QString& path, bool mayBeMissing) {
    const QFileInfo info(path);
    if (!info.exists()) {
        if (mayBeMissing)
            return;
        throw FileError(fileProblem(path, tx("image", "Soubor neexistuje.")));
    }
    if (!info.isFile())
        throw FileError(fileProblem(
            path, info.isDir() ? tx("image", "Je to složka, ne soubor s konfigurací.")
                               : tx("image", "Není to obyčejný soubor (roura, zařízení nebo "
                                             "soket), nelze ho použít.")));
}

qint64 readImageFile(const QString& path, ConfigImage& image) {
    requireRegularFile(path, false);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(fileProblem(path, file.errorString()));
    const QByteArray content = file.read(mem::ImageSize);
    if (file.error() != QFileDevice::NoError)
        throw FileError(fileProblem(path, file.errorString()));
    image.copyIn(0, int(content.size()),
                 reinterpret_cast<const std::uint8_t*>(content.constData()));
    return content.size();
}

void writeImageFile(const QString& path, const ConfigImage& image, bool keepTail) {
    requireRegularFile(path, true);
    QByteArray tail;
    QFile existing(path);
    if (keepTail && existing.exists()) {
        if (!existing.open(QIODevice::ReadOnly))
            throw FileError(fileProblem(path, existing.errorString()));
        if (existing.size() > mem::ImageSize) {
            existing.seek(mem::ImageSize);
            tail = existing.readAll();
            if (existing.error() != QFileDevice::NoError)
                throw FileError(fileProblem(path, existing.errorString()));
        }
        existing.close();
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw FileError(fileProblem(path, file.errorString()));
    file.write(reinterpret_cast<const char*>(image.data()), mem::ImageSize);
    if (!tail.isEmpty())
        file.write(tail);
    if (!file.commit())
        throw FileError(fileProblem(path, file.errorString()));
}
