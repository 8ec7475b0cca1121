// The vendor's web server: help pages, look-ups and removal reports. Its
// address is a setting (value "Server" under the program's key in
// HKEY_CURRENT_USER), with one built-in default.
#pragma once

#include <string>

inline constexpr const char* kDefaultVendorServer = "http://www.sentrivox.com";

// The server's base address, without a trailing slash.
std::string VendorServer();
// The address of a help page file on the server.
std::string VendorHelpAddress(const std::string& file);
