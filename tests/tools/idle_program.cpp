// A program that does nothing but wait, for tests that find and end a running
// process. It ends by itself after the given number of seconds (default 60),
// so a failed test leaves nothing behind for long.
//
//   idle_program [<seconds>]
#include <windows.h>

#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int) {
    int seconds = arguments && *arguments ? std::atoi(arguments) : 60;
    if (seconds <= 0 || seconds > 600) seconds = 60;
    Sleep(DWORD(seconds) * 1000);
    return 0;
}
