// The mouse's command slots: thin calls into the command patterns with their table rows.
#include "mouse_commands.h"
#include "hid_thread.h"

using namespace MouseCommands;

namespace {
template <uchar Code> constexpr const SetCommand &set() {
    return rowFor<kSet, Code>();
}
template <uchar Code> constexpr const ReadCommand &read() {
    return rowFor<kRead, Code>();
}
} // namespace

void Hid_Thread::hid_01H_SetReportRate(uchar rate) {
    runSet(set<0x01>(), {rate});
}

void Hid_Thread::hid_03H_SetFunctionOption(uchar type, uchar rate, uchar option1, uchar option2) {
    runSet(set<0x03>(), {type, rate, option1, option2});
}

void Hid_Thread::hid_07H_SetLEDInstructFunction(uchar type, uchar option1, uchar option2,
                                                uchar option3) {
    runSet(set<0x07>(), {type, option1, option2, option3});
}

void Hid_Thread::hid_0BH_SetCurrentDPIStage(uchar dpiStage) {
    runSet(set<0x0B>(), {dpiStage});
}

void Hid_Thread::hid_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2) {
    runSet(set<0x0D>(), {effect, option1, option2});
}

void Hid_Thread::hid_10H_SetLED8StageColor(uchar type, uchar *src24) {
    const int length = stageColorLength(type);
    runSet(set<0x10>(), {type, uchar(length)}, src24, length);
}

void Hid_Thread::hid_11H_SetDPISet(uchar dpiStage, uchar *src8) {
    runSet(set<0x11>(), {dpiStage}, src8);
}

void Hid_Thread::hid_12H_SetKeyMatrix(uchar *src64) {
    runSet(set<0x12>(), {}, src64);
}

void Hid_Thread::hid_13H_SetMacroKey(uchar macroId, uchar *src128) {
    runSet(set<0x13>(), {macroId}, src128);
}

void Hid_Thread::hid_00H_GetSecrecyCode(uchar &byte1, uchar &byte2, uchar &byte3, uchar &byte4) {
    runRead(read<0x00>(), {byte1, byte2, byte3, byte4}, {&byte1, &byte2, &byte3, &byte4});
}

void Hid_Thread::hid_81H_GetReportRate(uchar &rate) {
    runRead(read<0x81>(), {}, {&rate});
}

void Hid_Thread::hid_83H_GetFunctionOption(uchar &type, uchar &option1, uchar &option2) {
    runRead(read<0x83>(), {}, {&type, &option1, &option2});
}

bool Hid_Thread::hid_87H_GetLEDInstructFunction(uchar type, uchar &option1, uchar &option2,
                                                uchar &option3) {
    return runRead(read<0x87>(), {type}, {&option1, &option2, &option3}) == ReadOutcome::Done;
}

void Hid_Thread::hid_8BH_GetCurrentDPIStage(uchar &dpiStage) {
    runRead(read<0x8B>(), {}, {&dpiStage});
}

void Hid_Thread::hid_8DH_GetRGBLedEffect(uchar &effect, uchar &option1, uchar &option2) {
    runRead(read<0x8D>(), {}, {&effect, &option1, &option2});
}

void Hid_Thread::hid_90H_GetLED8StageColor(uchar type, uchar *src24) {
    runRead(read<0x90>(), {type}, {}, src24, stageColorLength(type));
}

bool Hid_Thread::hid_91H_GetDPISet(uchar &dpiMAXStage, uchar *src8) {
    return runRead(read<0x91>(), {}, {&dpiMAXStage}, src8) == ReadOutcome::Done;
}

void Hid_Thread::hid_92H_GetKeyMatrix(uchar *src64) {
    runRead(read<0x92>(), {}, {}, src64);
}

void Hid_Thread::hid_93H_GetMacroKey(uchar macroId, uchar *src128) {
    runRead(read<0x93>(), {macroId}, {}, src128);
}
