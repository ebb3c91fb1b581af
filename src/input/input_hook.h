#pragma once

#include "input_source.h"

#include <QList>

// System-wide capture of keys and mouse buttons for the key fields and macro recording.
// Every keyboard event is translated into a key code (USB HID usage of the keyboard page)
// and handed, with its down/up state, to the keyboard callback; the left, right and middle
// mouse buttons are handed to the mouse callback as 0xF0, 0xF1 and 0xF2. Input is only
// observed, never taken away from anyone.
//
// The translation state (code maps, which keys are down, the callbacks, the hooks) is
// process-wide: there is one keyboard and one set of hooks per process. Everything runs on
// the thread of the input sources, the GUI thread.
class InputHook {
public:
    using KeyboardCallback = void (*)(quint8 keyCode, bool isDown, void *context);
    using MouseCallback = void (*)(quint8 buttonCode, bool isDown, qint32 x, qint32 y,
                                   void *context);

    static constexpr quint8 kLeftButton = 0xF0;
    static constexpr quint8 kRightButton = 0xF1;
    static constexpr quint8 kMiddleButton = 0xF2;

    // `sources` in order of preference: install() hooks the first of them that observes the
    // keyboard. A preferred source that cannot yet but keeps watching takes over when it
    // can, and hands back when it cannot any more (a keyboard unplugged); the key state
    // carries over, so a key held across the change is not reported twice. Not owned;
    // each must outlive its use here.
    explicit InputHook(const QList<InputSource *> &sources);
    ~InputHook();

    InputHook(const InputHook &) = delete;
    InputHook &operator=(const InputHook &) = delete;

    // Stores the layout flag, rebuilds both code maps and hooks the keyboard and the mouse
    // (removing earlier hooks first). False when no source observes the keyboard: both
    // hooks are then absent, and no event is reported unless a watching source finds one.
    bool install(quint8 layoutFlag);
    // Removes the keyboard hook, then the mouse hook, and stops the hooked source and those
    // watching to take over.
    void uninstall();

    // Replace the callback and its context; null stops reporting. Events that arrive while
    // no callback is registered are not reported later.
    static void setKeyboardCallback(KeyboardCallback callback, void *context);
    static void setMouseCallback(MouseCallback callback, void *context);

    quint8 layoutFlag() const { return m_layoutFlag; }
    static bool isInstalled();

    // The hook procedures every observed event goes through. Repeated downs of a held key
    // and repeated ups are not reported; keys and messages without a translation give
    // nothing.
    static void keyboardProc(const KeyboardHookEvent &event);
    static void mouseProc(const MouseHookEvent &event);

private:
    // Hooks the first source in order that observes the keyboard.
    void selectSource();
    void dropWatches();

    QList<InputSource *> m_sources;
    QList<InputSource *> m_tried; // started by the last selection
    QList<QMetaObject::Connection> m_watches;
    quint8 m_layoutFlag = 0;
};
