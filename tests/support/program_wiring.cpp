// Linked into every test program (an object file, never dropped by the
// linker): the subsystems are registered at the shell's registration points
// before the first test runs, as WinMain registers them in the program.
#include "app/registrations.h"

namespace {

const bool kRegistered = (RegisterSubsystems(), true);

}  // namespace
