// Any text through the relay compiler, any bytes through the decoder.
#include "logic/RelayCompiler.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size));
    int timers = int(size % 20);
    const RelayCompileResult result = CompileRelayExpression(text, timers);
    if (result.ok) {
        if (result.code.size() > 255)
            __builtin_trap();
        int again = 0;
        (void)CompileRelayExpression(DecodeRelayProgram(result.code), again);
    }
    (void)DecodeRelayProgram(data, int(size), int(size));
    if (size > 3)
        (void)DecodeRelayProgram(data, int(size), int(size) - 3);
    return 0;
}
