// The online look-up of a program on the vendor's web server: the address,
// in its short or detailed form, and the browser that opens it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

// A text made safe as one value of a query: letters, digits and "-_.~:/(),"
// pass; a blank becomes "%20" and '&' a '+' (the server's reading of them);
// every other byte of the text's UTF-8 form becomes "%XX", so that '#', '?',
// '%', '+', '=', ';' and non-ASCII text cannot change the request.
std::string EscapeLookupValue(std::string_view text);

// The look-up address of a program: path is its command line, title stands
// for the program's name when the command names no file. The detailed form
// ("/cgi-bin/plusinfo12.pl") adds the file's facts and full path.
std::string LookupAddress(int type, std::string_view path, std::string_view title, bool detailed);

// Builds the address in the form that the option PlusFormat selects and opens
// it: through the AOL client when one runs, else through the shell (the
// detailed form through the Internet shortcut temp.url), falling back to
// Internet Explorer.
void OpenOnlineLookup(int type, std::string_view path, std::string_view title = {});
// The opening step alone.
void OpenLookupAddress(const std::string& address, bool detailed);

// How the look-up reaches a browser: the shell's "open" (its result, above 32
// on success) and WinExec. Tests put recorders in their place; a launcher
// that is not set means the system's.
struct LookupLaunchers {
    std::function<INT_PTR(const std::string& target)> shellOpen;
    std::function<UINT(const std::string& command)> winExec;
};
void SetLookupLaunchers(LookupLaunchers launchers);
