// The scanner of the running programs (the Active Tasks category).
#pragma once

// Fills the shared list store with the distinct files of the running
// processes, each with its version description. Returns the rows appended.
int ListRunningPrograms();
