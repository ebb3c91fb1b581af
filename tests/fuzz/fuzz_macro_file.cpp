// Macro files (the INI form the editor and r8ctl keep), the macro text r8ctl reads, and the
// encoding of the lines into a device slot for both device types.
#include "fuzz_support.h"
#include "macro_encoder.h"
#include "macro_files.h"
#include "macro_slot_buffer.h"
#include "macro_text.h"

#include <cstdlib>

namespace {

void checkEncoding(const QStringList &lines, int deviceType) {
    const MacroEncoding encoding = encodeMacro(lines, deviceType);
    int previous = 0;
    for (int end : encoding.itemEnds) {
        if (end < previous || end > encoding.bytes.size())
            std::abort();
        previous = end;
    }
    // The slot always ends a macro with its end mark, however long the macro is.
    const int slot =
        deviceType == MacroDevice::keyboard ? MacroSlotSize::keyboard : MacroSlotSize::mouse;
    const MacroSlotBuffer buffer = fitMacroToSlot(encoding, slot);
    if (buffer.bytes.size() != slot)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzz::ensureApp();
    const QByteArray input = fuzz::bytes(data, size);
    const QString folder = fuzz::scratch() + QStringLiteral("/macro");
    MacroFiles files(folder);
    fuzz::writeFile(folder + QStringLiteral("/M.bin"), input);

    const QStringList stored = files.loadMacroIni(QStringLiteral("M"));
    if (stored.size() > MacroFiles::kMaxLines)
        std::abort();
    (void)files.loadMacroIniConfig(QStringLiteral("M"), MacroDevice::mouse);
    (void)files.slotIndex(QStringLiteral("M"));
    (void)files.repeatCount(QStringLiteral("M"));
    (void)files.getMacroIniNames();
    checkEncoding(stored, MacroDevice::mouse);
    checkEncoding(stored, MacroDevice::keyboard);

    // The same bytes as the text r8ctl's "macro set" takes.
    QStringList lines;
    Status error;
    const QString text = QString::fromUtf8(input);
    if (MacroText::parse(text, QStringLiteral("input"), &lines, &error)) {
        for (const QString &line : lines)
            (void)MacroText::readable(line);
        checkEncoding(lines, MacroDevice::mouse);
        checkEncoding(lines, MacroDevice::keyboard);
    }
    // Each text line taken as a stored line, as a hand-edited macro file holds them.
    checkEncoding(text.split(QLatin1Char('\n')), MacroDevice::mouse);
    return 0;
}
