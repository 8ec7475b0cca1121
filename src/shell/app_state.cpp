#include "shell/app_state.h"

AppState g_app;

HINSTANCE ResourceInstance() {
    return g_app.instance ? g_app.instance : GetModuleHandleA(nullptr);
}
