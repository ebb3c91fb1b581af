// The host view's macro slots: short forwards to the macro library.
#include "hid_thread.h"
#include "macro_encoder.h"
#include "macro_library.h"
#include "myqquickview.h"

namespace {
// The device the program talks to: 0 keyboard, 1 mouse (the device index doubles as type).
int currentDeviceType(const myQQuickView *view) {
    return view->hid() ? view->hid()->currentDeviceIndex() : MacroDevice::mouse;
}

MacroSender deviceSender(myQQuickView *view) {
    Hid_Thread *hid = view->hid();
    return [hid](MacroSlotCommand command, uchar macroId, const QByteArray &buffer) {
        if (!hid)
            return;
        // The commands copy the buffer before they return; a private copy keeps the
        // caller's bytes untouched.
        QByteArray bytes = buffer;
        auto *data = reinterpret_cast<uchar *>(bytes.data());
        if (command == MacroSlotCommand::Mouse13H && bytes.size() >= 128)
            hid->hid_13H_SetMacroKey(macroId, data);
        else if (command == MacroSlotCommand::Keyboard11H && bytes.size() >= 192)
            hid->hid_11H_SetMacroKey(macroId, data);
    };
}

MacroLibrary macroLibrary(myQQuickView *view) {
    return MacroLibrary(MacroFiles(), view->dialogs(), deviceSender(view));
}
} // namespace

QVariant myQQuickView::createMacroIni() {
    return MacroFiles().createMacroIni();
}

QStringList myQQuickView::getMacroIniNames() {
    return MacroFiles().getMacroIniNames();
}

QStringList myQQuickView::loadMacroIni(QVariant name) {
    return MacroFiles().loadMacroIni(name.toString());
}

QVariant myQQuickView::saveMacroIni(QVariant name, QStringList macros) {
    return macroLibrary(this).saveMacroIni(name.toString(), macros, currentDeviceType(this),
                                           m_messages);
}

QVariantList myQQuickView::loadMacroIniConfig(QVariant name) {
    return MacroFiles().loadMacroIniConfig(name.toString(), currentDeviceType(this));
}

void myQQuickView::setMacroIniConfig(QVariant name, QVariantList config) {
    MacroFiles().setMacroIniConfig(name.toString(), config, currentDeviceType(this));
}

QVariant myQQuickView::deleteMacroIni(QVariant name) {
    return MacroFiles().deleteMacroIni(name.toString());
}

void myQQuickView::renameMacroIniFile(QVariant oldName, QVariant newName) {
    MacroFiles().renameMacroIniFile(oldName.toString(), newName.toString());
}

void myQQuickView::loadMacroIniFromFile(QVariant name) {
    macroLibrary(this).loadMacroIniFromFile(name.toString());
}

void myQQuickView::saveMacroIniToFile(QVariant name) {
    macroLibrary(this).saveMacroIniToFile(name.toString());
}

QList<uchar> myQQuickView::macroIncode(QStringList macros) {
    return ::macroIncode(macros, currentDeviceType(this));
}

void myQQuickView::ui_13H_SetMacroKey(QVariant macroId, QVariant name) {
    macroLibrary(this).setMouseMacroKey(macroId.toInt(), name.toString(), currentDeviceType(this));
}

void myQQuickView::ui_11H_SetMacroKey(QVariant macroId, QVariant name) {
    macroLibrary(this).setKeyboardMacroKey(macroId.toInt(), name.toString(),
                                           currentDeviceType(this), m_messages);
}
