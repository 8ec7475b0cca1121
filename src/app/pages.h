// The pages of the property sheet: the program's one table of them.
#pragma once

// Registers the table with the sheet.
void RegisterPages();
