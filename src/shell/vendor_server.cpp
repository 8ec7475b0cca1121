#include "shell/vendor_server.h"

#include <windows.h>

#include "base/registry.h"

std::string VendorServer() {
    FixedText<261> value;
    std::string server = RegReadString(kProgramKey, "Server", HKEY_CURRENT_USER, value) > 0
                             ? std::string(value.view())
                             : std::string(kDefaultVendorServer);
    while (!server.empty() && server.back() == '/') server.pop_back();
    return server;
}

std::string VendorHelpAddress(const std::string& file) { return VendorServer() + "/help/" + file; }
