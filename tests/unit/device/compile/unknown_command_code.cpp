// Must not compile: 0x7F is no command of the mouse's set table.
#include "mouse_commands.h"

const SetCommand &row = rowFor<MouseCommands::kSet, 0x7F>();
