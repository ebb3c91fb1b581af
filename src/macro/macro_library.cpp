#include "macro_library.h"

#include "dialogs.h"
#include "macro_encoder.h"
#include "macro_slot_buffer.h"

#include <QCoreApplication>
#include <QStandardPaths>

namespace {
constexpr int kMouseSlotCount = 12;
constexpr int kKeyboardSlotCount = 35;

QString tr(const char *text) {
    return QCoreApplication::translate("MacroLibrary", text);
}

QString desktopFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

const char *const kMacroFilter = "Macro(*.mc)";
const QString kExchangeSuffix = QStringLiteral(".mc");

// The import chooser shows "*.mc" only, so an export must end that way to be found again.
QString withExchangeSuffix(const QString &path) {
    return path.endsWith(kExchangeSuffix) ? path : path + kExchangeSuffix;
}
} // namespace

MacroLibrary::MacroLibrary(MacroFiles files, Dialogs *dialogs, MacroSender sender)
    : m_files(std::move(files)), m_dialogs(dialogs), m_sender(std::move(sender)) {}

void MacroLibrary::setMouseMacroKey(int slotId, const QString &name, int deviceType) const {
    const MacroEncoding encoding = encodeMacro(m_files.loadMacroIni(name), deviceType);
    MacroSlotBuffer slot = fitMacroToSlot(encoding, MacroSlotSize::mouse);
    if (slot.cut && m_dialogs)
        m_dialogs->warning(tr("MACRO"), tr("Out of memory,\nsome command line has been cut."));
    const quint16 repeat = m_files.repeatCount(name);
    slot.bytes[0] = char(repeat >> 8);
    slot.bytes[1] = char(repeat & 0xFF);
    if (m_sender)
        m_sender(MacroSlotCommand::Mouse13H, uchar(slotId), slot.bytes);
}

void MacroLibrary::setKeyboardMacroKey(int macroId, const QString &name, int deviceType,
                                       const QStringList &messages) const {
    const MacroEncoding encoding = encodeMacro(m_files.loadMacroIni(name), deviceType);
    const MacroSlotBuffer slot = fitMacroToSlot(encoding, MacroSlotSize::keyboard);
    if (slot.cut && m_dialogs)
        m_dialogs->warning(messages.value(0), messages.value(1));
    if (m_sender)
        m_sender(MacroSlotCommand::Keyboard11H, uchar(macroId), slot.bytes);
}

bool MacroLibrary::saveMacroIni(const QString &name, const QStringList &lines, int deviceType,
                                const QStringList &messages) const {
    if (!m_files.saveMacroIni(name, lines))
        return false;
    const int index = m_files.slotIndex(name);
    if (deviceType == MacroDevice::mouse && index >= 0 && index < kMouseSlotCount)
        setMouseMacroKey(index + 1, name, deviceType);
    else if (deviceType == MacroDevice::keyboard && index >= 0 && index < kKeyboardSlotCount)
        setKeyboardMacroKey(index, name, deviceType, messages);
    return true;
}

void MacroLibrary::loadMacroIniFromFile(const QString &name) const {
    if (!m_dialogs || m_files.filePath(name).isEmpty())
        return;
    const QString source = m_dialogs->openFile(tr("Open File"), desktopFolder(), tr(kMacroFilter));
    if (!source.isEmpty())
        m_files.importFile(name, source); // a missing macro is left alone
}

void MacroLibrary::saveMacroIniToFile(const QString &name) const {
    if (!m_dialogs || !m_files.exists(name))
        return;
    const QString target = m_dialogs->saveFile(tr("Save File"), desktopFolder(), tr(kMacroFilter));
    if (!target.isEmpty())
        m_files.exportFile(name, withExchangeSuffix(target));
}

bool MacroLibrary::renameMacroIniFile(const QString &oldName, const QString &newName) const {
    if (m_files.exists(oldName) && m_files.filePath(newName).isEmpty()) {
        // Otherwise the file would be gone from the list, or the edit lost without a word.
        if (m_dialogs)
            m_dialogs->warning(tr("MACRO"),
                               tr("\"%1\" cannot be a macro name: it may not be empty, begin "
                                  "with \".\" or hold \"/\" or \"\\\".")
                                   .arg(newName));
        return false;
    }
    return m_files.renameMacroIniFile(oldName, newName);
}
