#include "image/ConfigFile.h"

#include "link/Errors.h"

#include <QFile>
#include <QSaveFile>

namespace {
QString fileProblem(const QString& path, const QString& why) {
    return QStringLiteral("%1: %2").arg(path, why);
}
} // namespace

void readImageFile(const QString& path, ConfigImage& image) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(fileProblem(path, file.errorString()));
    const QByteArray content = file.read(mem::ImageSize);
    if (file.error() != QFileDevice::NoError)
        throw FileError(fileProblem(path, file.errorString()));
    image.copyIn(0, int(content.size()),
                 reinterpret_cast<const std::uint8_t*>(content.constData()));
}

void writeImageFile(const QString& path, const ConfigImage& image, bool keepTail) {
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
