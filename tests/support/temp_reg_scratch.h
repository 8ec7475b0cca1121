// A data folder whose path has a blank, and a temp.reg in it that sets a test
// value once regedit imports it: the scratch of the saved-script imports.
// Both the folder and the value go again at the end.
#pragma once

#include <windows.h>

#include <string>

#include "base/registry.h"
#include "support/registry_fixture.h"
#include "support/test_files.h"
#include "support/window_driver.h"

namespace testsupport {

class TempRegScratch {
public:
    // C:\<folder>\App Data becomes the user's AppData, so the data folder is
    // C:\<folder>\App Data\Sentrivox.
    explicit TempRegScratch(const std::string& folder)
        : folder_(folder), data_(folder_ / "App Data") {
        CreateDirectoryA(data_.c_str(), nullptr);
        appData_.Set(data_);
    }
    const std::string& appData() const { return data_; }
    // Writes <data folder>\temp.reg.
    bool WriteTempReg() const {
        CreateDirectoryA((data_ + "\\Sentrivox").c_str(), nullptr);
        return ScratchFolder::Write(data_ + "\\Sentrivox\\temp.reg",
                                    "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\" + std::string(kKey) + "]\r\n"
                                    "\"Imported\"=\"yes\"\r\n\r\n");
    }
    // Waits for the value of temp.reg; true once it is there.
    bool Imported(DWORD timeoutMs = 15000) const {
        bool there = driver::WaitUntil([] {
            FixedText<16> text;
            return RegReadString(kKey, "Imported", HKEY_CURRENT_USER, text) > 0;
        }, timeoutMs, 100);
        Sleep(200);  // regedit may still hold the file for a moment
        return there;
    }

private:
    static constexpr const char* kKey = "Software\\SxHImportTest";
    ScratchFolder folder_;
    std::string data_;
    RegistryGuard appData_{HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                           "AppData"};
    RegistryGuard imported_{HKEY_CURRENT_USER, kKey, "Imported"};
};

}  // namespace testsupport
