// A JSON document of a configuration: imported (or refused with a message), and what is
// imported exports to a document that imports to the same image.
#include "base/Errors.h"
#include "workspace/ConfigDocument.h"

#include <QJsonDocument>
#include <algorithm>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const QJsonObject document = parseDocument(
            QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
        const ConfigImage image = importDocument(document);
        const ConfigImage again = importDocument(exportDocument(image));
        if (!std::equal(again.data(), again.data() + mem::ImageSize, savedImage(image).data()))
            __builtin_trap();
    } catch (const OperationError&) {
    }
    return 0;
}
