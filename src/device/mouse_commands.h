#pragma once

#include "command_table.h"

// The mouse's command set, with the three commands both devices share (00H, 01H, 81H).
// Report length 32: a data phase travels in reports of up to 32 payload bytes.
namespace MouseCommands {

constexpr OutPositions outs(signed char a = kNoOut, signed char b = kNoOut, signed char c = kNoOut,
                            signed char d = kNoOut) {
    return {a, b, c, d, kNoOut, kNoOut};
}

// clang-format off
inline constexpr SetCommand kSet[] = {
//   slot                               code   request bytes 1..6                                 data              ack     sleep   message
    {"hid_01H_SetReportRate",           0x01,  {arg(0), nil, nil, nil, nil, nil},                 0,                true,   false,  "cmd Failed 01"},
    {"hid_03H_SetFunctionOption",       0x03,  {arg(0), arg(1), arg(2), arg(3), nil, nil},        0,                true,   true,   "cmd Failed 03"},
    {"hid_07H_SetLEDInstructFunction",  0x07,  {arg(0), arg(1), arg(2), arg(3), nil, nil},        0,                false,  false,  "cmd Failed 07"},
    {"hid_0BH_SetCurrentDPIStage",      0x0B,  {arg(0), nil, nil, nil, nil, nil},                 0,                true,   false,  "cmd Failed 0B"},
    {"hid_0DH_SetRGBLedEffect",         0x0D,  {arg(0), arg(1), arg(2), nil, nil, nil},           0,                true,   false,  "cmd Failed 0D"},
    {"hid_10H_SetLED8StageColor",       0x10,  {arg(0), arg(1), nil, nil, nil, nil},              kLengthFromSlot,  true,   false,  "cmd Failed 10"},
    {"hid_11H_SetDPISet",               0x11,  {arg(0), fix(0x08), nil, nil, nil, nil},           8,                true,   false,  "cmd Failed 11"},
    {"hid_12H_SetKeyMatrix",            0x12,  {fix(0x01), fix(0x40), fix(0x08), nil, nil, nil},  64,               true,   false,  "cmd Failed 12"},
    {"hid_13H_SetMacroKey",             0x13,  {arg(0), fix(0x80), nil, nil, nil, nil},           128,              true,   false,  "cmd Failed 13"},
};

inline constexpr ReadCommand kRead[] = {
//   slot                               code   request bytes 1..6                           data              reply preset        out (reply bytes)  if ok  message
    {"hid_00H_GetSecrecyCode",          0x00,  {arg(0), arg(1), arg(2), arg(3), nil, nil},  0,                ReplyPreset::Zero,  outs(1, 2, 3, 4),  false,  "cmd Failed 00"},
    {"hid_81H_GetReportRate",           0x81,  {nil, nil, nil, nil, nil, nil},              0,                ReplyPreset::Echo,  outs(1),           false,  "cmd Failed"},
    {"hid_83H_GetFunctionOption",       0x83,  {nil, nil, nil, nil, nil, nil},              0,                ReplyPreset::Zero,  outs(1, 3, 4),     false,  "cmd Failed"},
    {"hid_87H_GetLEDInstructFunction",  0x87,  {arg(0), nil, nil, nil, nil, nil},           0,                ReplyPreset::Zero,  outs(2, 3, 4),     true,   "cmd Failed"},
    {"hid_8BH_GetCurrentDPIStage",      0x8B,  {nil, nil, nil, nil, nil, nil},              0,                ReplyPreset::Zero,  outs(1),           false,  "cmd Failed"},
    {"hid_8DH_GetRGBLedEffect",         0x8D,  {nil, nil, nil, nil, nil, nil},              0,                ReplyPreset::Zero,  outs(1, 2, 3),     false,  "cmd Failed"},
    {"hid_90H_GetLED8StageColor",       0x90,  {arg(0), nil, nil, nil, nil, nil},           kLengthFromSlot,  ReplyPreset::Zero,  outs(),            false,  "cmd Failed"},
    {"hid_91H_GetDPISet",               0x91,  {nil, nil, nil, nil, nil, nil},              8,                ReplyPreset::Zero,  outs(1),           true,   "cmd Failed"},
    {"hid_92H_GetKeyMatrix",            0x92,  {fix(0x01), nil, nil, nil, nil, nil},        64,               ReplyPreset::Zero,  outs(),            false,  "cmd Failed"},
    {"hid_93H_GetMacroKey",             0x93,  {arg(0), nil, nil, nil, nil, nil},           128,              ReplyPreset::Zero,  outs(),            false,  "cmd Failed"},
};
// clang-format on

// Stage colours: 4 bytes of colour indices for type 2, else 24 bytes of RGB.
constexpr int stageColorLength(uchar type) {
    return type == 2 ? 4 : 24;
}

} // namespace MouseCommands
