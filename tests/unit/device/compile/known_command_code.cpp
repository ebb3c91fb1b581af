// Compiles: the same lookup with a code the table has, so the failing twin fails for its code.
#include "mouse_commands.h"

const SetCommand &row = rowFor<MouseCommands::kSet, 0x11>();
static_assert(&rowFor<MouseCommands::kSet, 0x11>() == &MouseCommands::kSet[6]);
