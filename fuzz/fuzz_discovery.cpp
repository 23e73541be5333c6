// A discovery answer of any content, rendered as the Discoverer and quel5ctl show it.
#include "monitor/Discovery.h"

#include <QHostAddress>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray reply(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString line = discovery::logLine(QHostAddress(QHostAddress::LocalHost), reply);
    // One answer stays one line.
    if (line.contains(QLatin1Char('\n')) || line.contains(QLatin1Char('\r')))
        __builtin_trap();
    return 0;
}
