#include "app/page_procedures.h"

#include "shell/frame_page.h"
#include "shell/options_page.h"
#include "startup/delayed_page.h"
#include "startup/startup_page.h"

DLGPROC ProgramPageProcedure(int pageId) {
    switch (pageId) {
        case 6026: return StartupPageProc;
        case 6055: return DelayedPageProc;
        case 6040: return FramePageProc<6040>;
        case 6039: return FramePageProc<6039>;
        case 6038: return FramePageProc<6038>;
        case 6029: return FramePageProc<6029>;
        case 6028: return FramePageProc<6028>;
        case 6042: return FramePageProc<6042>;
        case 6052: return FramePageProc<6052>;
        case 6060: return FramePageProc<6060>;
        case 6056: return FramePageProc<6056>;
        case 6061: return FramePageProc<6061>;
        case 6033: return OptionsPageProc;
        default: return FramePageProc<6026>;
    }
}
