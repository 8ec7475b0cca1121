// The restart-commands viewer: wininit.ini of the 9x family, the file whose
// commands run at the next restart.
#pragma once

// Shows wininit.ini with its Delete and Close buttons (9x family only), or
// says that it holds no commands.
void ViewRestartCommands();
