#pragma once

#include "command_table.h"

// The keyboard's command set. Report length 64: a data phase travels in reports of up to
// 64 payload bytes. Shared commands (00H, 01H, 81H) are in the mouse set.
namespace KeyboardCommands {

constexpr OutPositions outs(signed char a = kNoOut, signed char b = kNoOut, signed char c = kNoOut,
                            signed char d = kNoOut, signed char e = kNoOut) {
    return {a, b, c, d, e, kNoOut};
}

// clang-format off
inline constexpr SetCommand kSet[] = {
//   slot                                 code   request bytes 1..6                                 data  ack     sleep   message
    {"hid_02H_SetCurrentProfile",         0x02,  {arg(0), nil, nil, nil, nil, nil},                 0,    false,  true,   "cmd Failed 02"},
    {"hid_03H_SetKeyboardoption",         0x03,  {arg(0), arg(1), arg(2), arg(3), nil, nil},        0,    false,  true,   "cmd Failed 03"},
    {"hid_04H_SetButtonSensitivity",      0x04,  {arg(0), arg(1), arg(2), arg(3), nil, nil},        0,    true,   false,  "cmd Failed 04"},
    {"hid_07H_SetControlIndicatorLight",  0x07,  {arg(0), arg(1), nil, nil, nil, nil},              0,    false,  true,   "cmd Failed 07"},
    {"hid_08H_SetLEDType",                0x08,  {arg(0), arg(1), arg(2), arg(3), arg(4), arg(5)},  0,    true,   false,  "cmd Failed 08"},
    {"hid_09H_SetKeyboardMode",           0x09,  {arg(0), nil, nil, nil, nil, nil},                 0,    true,   false,  "cmd Failed 09"},
    {"hid_0DH_SetKeyMatrix",              0x0D,  {nil, nil, fix(0x08), nil, nil, nil},              512,  true,   false,  "cmd Failed 0D"},
    {"hid_0EH_SetKeyOnOff",               0x0E,  {nil, nil, fix(0x15), nil, nil, nil},              21,   true,   false,  "cmd Failed 0E"},
    {"hid_11H_SetMacroKey",               0x11,  {nil, arg(0), fix(0x03), nil, nil, nil},           192,  true,   false,  "cmd Failed 11"},
    {"hid_12H_SetUserPicture",            0x12,  {nil, arg(0), fix(0x08), arg(1), nil, nil},        512,  true,   false,  "cmd Failed 12"},
    {"hid_13H_SetRecoveryData",           0x13,  {fix(0xFF), nil, nil, nil, nil, nil},              0,    false,  true,   "cmd Failed 13"},
    {"hid_14H_SetColor",                  0x14,  {nil, arg(0), arg(1), arg(2), arg(3), nil},        0,    false,  true,   "cmd Failed 14"},
};

inline constexpr ReadCommand kRead[] = {
//   slot                             code   request bytes 1..6                  data  reply preset        out (reply bytes)     if ok  message
    {"hid_80H_GetFWVersion",          0x80,  {nil, nil, nil, nil, nil, nil},     0,    ReplyPreset::Zero,  outs(1, 2),           true,   "cmd Failed"},
    {"hid_82H_GetCurrentProfile",     0x82,  {nil, nil, nil, nil, nil, nil},     0,    ReplyPreset::Echo,  outs(1),              false,  "cmd Failed"},
    {"hid_83H_GetKeyboardoption",     0x83,  {nil, nil, nil, nil, nil, nil},     0,    ReplyPreset::Echo,  outs(1, 2, 3, 4),     false,  "cmd Failed"},
    {"hid_84H_GetButtonSensitivity",  0x84,  {nil, nil, nil, nil, nil, nil},     0,    ReplyPreset::Echo,  outs(1, 2, 3, 4),     false,  "cmd Failed"},
    {"hid_88H_GetLEDType",            0x88,  {nil, nil, nil, nil, nil, nil},     0,    ReplyPreset::Echo,  outs(2, 3, 4, 5, 6),  false,  "cmd Failed"},
    {"hid_89H_GetKeyboardMode",       0x89,  {nil, nil, nil, nil, nil, nil},     0,    ReplyPreset::Echo,  outs(1),              false,  "cmd Failed"},
    {"hid_8DH_GetKeyMatrix",          0x8D,  {nil, nil, nil, nil, nil, nil},     512,  ReplyPreset::Zero,  outs(),               false,  "cmd Failed"},
    {"hid_8EH_GetKeyOnOff",           0x8E,  {nil, nil, nil, nil, nil, nil},     21,   ReplyPreset::Zero,  outs(),               false,  "cmd Failed"},
    {"hid_91H_GetMacroKey",           0x91,  {nil, arg(0), nil, nil, nil, nil},  192,  ReplyPreset::Zero,  outs(),               false,  "cmd Failed"},
    {"hid_92H_GetUserPicture",        0x92,  {nil, arg(0), nil, nil, nil, nil},  512,  ReplyPreset::Zero,  outs(),               false,  "cmd Failed"},
    {"hid_94H_GetColor",              0x94,  {nil, arg(0), nil, nil, nil, nil},  0,    ReplyPreset::Echo,  outs(3, 4, 5),        false,  "cmd Failed"},
};
// clang-format on

} // namespace KeyboardCommands
