#include "shell/sound.h"

#include <windows.h>
#include <mmsystem.h>

#include "res/resource_ids.h"
#include "shell/app_state.h"
#include "shell/options.h"
#include "base/registry.h"
#include "base/file_search.h"
#include "base/windows_version.h"

#ifndef SND_SENTRY
#define SND_SENTRY 0x00080000
#endif

void PlayOpenSound() {
    if (ReadOption("Sound", 1) <= 0) return;
    PlaySoundA(nullptr, nullptr, 0);
    DWORD sentry = IsVistaOrLater() ? SND_SENTRY : 0;
    FixedText<261> file;
    // The user's choice in the sound scheme wins over the built-in chime.
    if (RegReadString("AppEvents\\Schemes\\Apps\\Sentrivox\\Open\\.current", "", HKEY_CURRENT_USER, file) > 0 &&
        FileExists(file.view())) {
        PlaySoundA(file.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT | sentry);
        return;
    }
    PlaySoundA(MAKEINTRESOURCEA(IDW_OPEN_SOUND), ResourceInstance(), SND_RESOURCE | SND_ASYNC | SND_NODEFAULT | sentry);
}
