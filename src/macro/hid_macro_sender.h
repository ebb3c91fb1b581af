#pragma once

#include "macro_library.h"

class Hid_Thread;

// The sender that writes finished macro slots into the device through `hid`'s 13H (mouse)
// or 11H (keyboard) command. With a null `hid` it sends nothing. `hid` is not owned and must
// outlive the sender.
MacroSender hidMacroSender(Hid_Thread *hid);
