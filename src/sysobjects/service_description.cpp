#include "sysobjects/service_description.h"

#include <windows.h>

#include "base/command_line.h"
#include "sysobjects/service_values.h"

namespace {

using ProgramFile = FixedText<MAX_PATH>;

bool EqualNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.data(), int(a.size()), b.data(), int(b.size())) ==
               CSTR_EQUAL;
}

}  // namespace

int FindServiceDescription(std::string_view file, FixedText<1024>& out) {
    out.clear();
    ProgramFile wanted;
    if (ExtractProgramFile(file, wanted) <= 0) return 0;
    ForEachServiceKey([&](std::string_view, HKEY key) {
        ServiceFileText path;
        if (ReadServicePath(key, "ImagePath", path) == 0) return true;
        ApplyServiceDll(key, "svchost.exe", path);
        ProgramFile serviceFile;
        ExtractProgramFile(path.view(), serviceFile);
        if (serviceFile.empty() || !EqualNoCase(serviceFile.view(), wanted.view())) return true;
        ReadServiceText(key, "Description", out);
        return false;
    });
    return int(out.size());
}
