// The program's category scanners: which subsystem's scanner fills the shared
// list store for each category at start (shell/category_scanners.h).
#pragma once

// Registers the scanner of every category that this build has.
void RegisterCategoryScanners();
