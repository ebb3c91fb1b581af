#include "input_hook.h"

#include "code_maps.h"

#include <QPointer>

#include <array>
#include <utility>

namespace {

struct HookState {
    ScanCodeMap scanCodeMap;
    UsageMap usageMap;
    std::array<bool, 256> keyDown{};

    InputHook::KeyboardCallback keyboardCallback = nullptr;
    void *keyboardContext = nullptr;
    InputHook::MouseCallback mouseCallback = nullptr;
    void *mouseContext = nullptr;

    QMetaObject::Connection keyboardHook;
    QMetaObject::Connection mouseHook;
    QPointer<InputSource> hookedSource;
};

HookState &state() {
    static HookState s;
    return s;
}

constexpr quint8 kPauseVirtualKey = 0x13;
constexpr quint8 kPrintScreenVirtualKey = 0x2C;

struct MouseRow {
    quint32 message;
    quint8 buttonCode;
    bool isDown;
};

// Double-clicks are not reported: the downs and ups around them already are.
constexpr MouseRow kMouseRows[] = {
    {HookMessage::LeftButtonDown, InputHook::kLeftButton, true},
    {HookMessage::LeftButtonUp, InputHook::kLeftButton, false},
    {HookMessage::RightButtonDown, InputHook::kRightButton, true},
    {HookMessage::RightButtonUp, InputHook::kRightButton, false},
    {HookMessage::MiddleButtonDown, InputHook::kMiddleButton, true},
    {HookMessage::MiddleButtonUp, InputHook::kMiddleButton, false},
};

void disconnectHooks() {
    HookState &s = state();
    QObject::disconnect(s.keyboardHook);
    QObject::disconnect(s.mouseHook);
    s.keyboardHook = {};
    s.mouseHook = {};
}

} // namespace

InputHook::InputHook(const QList<InputSource *> &sources) : m_sources(sources) {}

InputHook::~InputHook() {
    if ((state().hookedSource && m_sources.contains(state().hookedSource.data())) ||
        !m_watches.isEmpty())
        uninstall();
}

bool InputHook::install(quint8 layoutFlag) {
    HookState &s = state();
    m_layoutFlag = layoutFlag;
    s.scanCodeMap = buildScanCodeMap();
    s.usageMap = buildUsageMap(layoutFlag);
    selectSource();
    return isInstalled();
}

void InputHook::selectSource() {
    HookState &s = state();
    // A source hooked before keeps running when it is hooked again, so nothing it
    // observes (an open device) is lost by installing twice.
    const QPointer<InputSource> previous = s.hookedSource;
    dropWatches();
    disconnectHooks();
    s.hookedSource = nullptr;
    QList<InputSource *> tried;
    for (InputSource *source : std::as_const(m_sources)) {
        if (!source)
            continue;
        const bool observes = source->start();
        tried.append(source);
        // Called back on the GUI thread between two events of the source, never from
        // start(): a preferred source has found a keyboard, or the hooked one lost it.
        m_watches.append(QObject::connect(source, &InputSource::availabilityChanged,
                                          [this](bool) { selectSource(); }));
        if (!observes)
            continue;
        s.hookedSource = source;
        s.keyboardHook = QObject::connect(source, &InputSource::keyboardEvent, &keyboardProc);
        s.mouseHook = QObject::connect(source, &InputSource::mouseEvent, &mouseProc);
        break;
    }
    // Sources of the last selection that this one did not start again (the fallback a
    // preferred source took over from) stop; the others keep watching.
    for (InputSource *source : std::as_const(m_tried))
        if (!tried.contains(source))
            source->stop();
    if (previous && !tried.contains(previous.data()) && !m_tried.contains(previous.data()))
        previous->stop();
    m_tried = tried;
}

void InputHook::dropWatches() {
    for (const QMetaObject::Connection &watch : std::as_const(m_watches))
        QObject::disconnect(watch);
    m_watches.clear();
}

void InputHook::uninstall() {
    HookState &s = state();
    dropWatches();
    disconnectHooks();
    if (s.hookedSource && !m_tried.contains(s.hookedSource.data()))
        s.hookedSource->stop();
    s.hookedSource = nullptr;
    for (InputSource *source : std::as_const(m_tried))
        source->stop();
    m_tried.clear();
}

bool InputHook::isInstalled() {
    return bool(state().keyboardHook) || bool(state().mouseHook);
}

void InputHook::setKeyboardCallback(KeyboardCallback callback, void *context) {
    state().keyboardCallback = callback;
    state().keyboardContext = context;
}

void InputHook::setMouseCallback(MouseCallback callback, void *context) {
    state().mouseCallback = callback;
    state().mouseContext = context;
}

void InputHook::keyboardProc(const KeyboardHookEvent &event) {
    HookState &s = state();
    const bool isDown =
        event.message == HookMessage::KeyDown || event.message == HookMessage::SysKeyDown;
    const quint32 scanCode = event.scanCode > 0xFF ? 0 : event.scanCode;
    const bool extended = (event.flags & HookFlag::Extended) != 0;
    const quint16 key = quint16(scanCode << 8 | (extended ? 1 : 0));

    quint8 virtualKey = s.scanCodeMap.value(key, 0);
    // Ctrl+Pause arrives as the Break key (E0 46), Alt+Print Screen as SysRq (54).
    if (scanCode == 0x46 && extended)
        virtualKey = kPauseVirtualKey;
    else if (scanCode == 0x54 && (event.flags & HookFlag::AltDown))
        virtualKey = kPrintScreenVirtualKey;
    if (virtualKey == 0)
        return;

    const quint8 keyCode = s.usageMap.value(virtualKey, 0);
    if (keyCode == 0 || s.keyDown[keyCode] == isDown)
        return; // no translation, an auto-repeat, or a second release
    s.keyDown[keyCode] = isDown;
    if (s.keyboardCallback)
        s.keyboardCallback(keyCode, isDown, s.keyboardContext);
}

void InputHook::mouseProc(const MouseHookEvent &event) {
    const HookState &s = state();
    for (const MouseRow &row : kMouseRows) {
        if (row.message != event.message)
            continue;
        if (s.mouseCallback)
            s.mouseCallback(row.buttonCode, row.isDown, event.x, event.y, s.mouseContext);
        return;
    }
}
