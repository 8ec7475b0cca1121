// The report of a removal (or of an entry kept) to the vendor's web server.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// A report that cannot be sent is given up after this long.
inline constexpr DWORD kReportTimeoutMs = 3000;

// Query value escaping: the text with blanks as "%20" and every character
// that could change the request ("&", "#", "?", "%", "+", "=", control
// characters, non-ASCII bytes) as %XX.
std::string EscapeQueryValue(std::string_view text);

// The whole address of a report: removed = true for cloudremoved, false for
// cloudkept.
std::string RemovalReportAddress(bool removed, std::string_view title, std::string_view path);

// Reports the removal of the program to the vendor. Failures are silent.
void ReportRemoval(std::string_view title, std::string_view path);
// Reports that the entry was kept.
void ReportKept(std::string_view title, std::string_view path);
// Sends one report address; true when the server answered.
bool SendReport(const std::string& address);
