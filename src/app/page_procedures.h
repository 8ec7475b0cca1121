// The program's page table: which dialog procedure runs each page.
#pragma once

#include <windows.h>

// The procedure of a page; a page that shows only its frame shares the
// common behaviour.
DLGPROC ProgramPageProcedure(int pageId);
