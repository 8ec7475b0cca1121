// The program's wiring: every subsystem's functions registered at the shell's
// registration points, once, before anything else runs.
#pragma once

// Registers the page procedures, the category scanners, the startup hooks,
// the information dialog's per-type hooks and the history restores.
void RegisterSubsystems();
