// The keyboard's command slots: thin calls into the command patterns with their table rows.
#include "keyboard_commands.h"
#include "hid_thread.h"

using namespace KeyboardCommands;

namespace {
template <uchar Code> constexpr const SetCommand &set() {
    return rowFor<kSet, Code>();
}
template <uchar Code> constexpr const ReadCommand &read() {
    return rowFor<kRead, Code>();
}
} // namespace

void Hid_Thread::hid_02H_SetCurrentProfile(uchar profile) {
    runSet(set<0x02>(), {profile});
}

void Hid_Thread::hid_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4) {
    runSet(set<0x03>(), {byte1, byte2, byte3, byte4});
}

void Hid_Thread::hid_04H_SetButtonSensitivity(uchar sens1, uchar sens2, uchar sens3, uchar sens4) {
    runSet(set<0x04>(), {sens1, sens2, sens3, sens4});
}

void Hid_Thread::hid_07H_SetControlIndicatorLight(uchar effect, uchar frequenty) {
    runSet(set<0x07>(), {effect, frequenty});
}

void Hid_Thread::hid_08H_SetLEDType(uchar option, uchar effect, uchar speed, uchar light,
                                    uchar color, uchar direction) {
    runSet(set<0x08>(), {option, effect, speed, light, color, direction});
}

void Hid_Thread::hid_09H_SetKeyboardMode(uchar mode) {
    runSet(set<0x09>(), {mode});
}

void Hid_Thread::hid_0DH_SetKeyMatrix(uchar *src512) {
    runSet(set<0x0D>(), {}, src512);
}

void Hid_Thread::hid_0EH_SetKeyOnOff(uchar *src21) {
    runSet(set<0x0E>(), {}, src21);
}

void Hid_Thread::hid_11H_SetMacroKey(uchar macroId, uchar *src192) {
    runSet(set<0x11>(), {macroId}, src192);
}

void Hid_Thread::hid_12H_SetUserPicture(uchar index, uchar option, uchar *src512) {
    runSet(set<0x12>(), {index, option}, src512);
}

void Hid_Thread::hid_13H_SetRecoveryData() {
    runSet(set<0x13>(), {});
}

void Hid_Thread::hid_14H_SetColor(uchar index, uchar rValue, uchar gValue, uchar bValue) {
    runSet(set<0x14>(), {index, rValue, gValue, bValue});
}

void Hid_Thread::hid_80H_GetFWVersion(QString &version) {
    uchar major = 0, minor = 0;
    switch (runRead(read<0x80>(), {}, {&major, &minor})) {
    case ReadOutcome::Busy:
        return; // keeps its old value
    case ReadOutcome::Failed:
        version = QStringLiteral("unknown");
        return;
    case ReadOutcome::Done:
        version = QString::number(major, 16) + QLatin1Char('.') +
                  QStringLiteral("%1").arg(minor, 2, 16, QLatin1Char('0')).toUpper();
        return;
    }
}

void Hid_Thread::hid_82H_GetCurrentProfile(uchar &profile) {
    runRead(read<0x82>(), {}, {&profile});
}

void Hid_Thread::hid_83H_GetKeyboardoption(uchar &byte1, uchar &byte2, uchar &byte3, uchar &byte4) {
    runRead(read<0x83>(), {}, {&byte1, &byte2, &byte3, &byte4});
}

void Hid_Thread::hid_84H_GetButtonSensitivity(uchar &sens1, uchar &sens2, uchar &sens3,
                                              uchar &sens4) {
    runRead(read<0x84>(), {}, {&sens1, &sens2, &sens3, &sens4});
}

void Hid_Thread::hid_88H_GetLEDType(uchar &effect, uchar &speed, uchar &light, uchar &color,
                                    uchar &direction) {
    runRead(read<0x88>(), {}, {&effect, &speed, &light, &color, &direction});
}

void Hid_Thread::hid_89H_GetKeyboardMode(uchar &mode) {
    runRead(read<0x89>(), {}, {&mode});
}

void Hid_Thread::hid_8DH_GetKeyMatrix(uchar *src512) {
    runRead(read<0x8D>(), {}, {}, src512);
}

void Hid_Thread::hid_8EH_GetKeyOnOff(uchar *src21) {
    runRead(read<0x8E>(), {}, {}, src21);
}

void Hid_Thread::hid_91H_GetMacroKey(uchar macroId, uchar *src192) {
    runRead(read<0x91>(), {macroId}, {}, src192);
}

void Hid_Thread::hid_92H_GetUserPicture(uchar index, uchar *src512) {
    runRead(read<0x92>(), {index}, {}, src512);
}

void Hid_Thread::hid_94H_GetColor(uchar index, uchar &rValue, uchar &gValue, uchar &bValue) {
    runRead(read<0x94>(), {index}, {&rValue, &gValue, &bValue});
}
