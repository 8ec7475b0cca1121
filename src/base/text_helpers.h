// Small text helpers shared by every page: case-blind comparison and search, file-name parts and the copies that turn one character into
// another. Every copy is bounded to the caller's buffer (size counts the
// terminator) and always terminated.
//
// Case-blind means one rule everywhere, the one Windows applies to file and
// registry names: each text is upper-cased as CharUpperBuffA does it (the
// system's ANSI code page, so accented letters fold as well as ASCII ones),
// and the upper-cased texts compare byte by byte as unsigned values, their
// lengths included. Nothing is ignored or treated as equal to another
// character, unlike the locale's collation. FoldCase, EqualsNoCase,
// CompareNoCase, FindNoCase and ContainsNoCase all follow it, so that a name
// one of them finds, the others find too.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "base/fixed_text.h"

// Longest text that ContainsNoCase looks into; longer texts never match.
inline constexpr size_t kContainsMaxText = 772;
// Longest result of StripQuotes.
inline constexpr size_t kStripQuotesMax = 512;

// The text upper-cased by the rule above: the key of case-blind maps and sets.
std::string FoldCase(std::string_view text);
// True when the texts are equal without regard to case.
bool EqualsNoCase(std::string_view a, std::string_view b);
// Below, at or above 0 as a orders before, with or after b without regard to
// case; a text that begins another comes first. The order of the list pages.
int CompareNoCase(std::string_view a, std::string_view b);
// The position of the first needle in text without regard to case; npos when
// there is none or the needle is empty.
size_t FindNoCase(std::string_view text, std::string_view needle);
// True when needle occurs in text, compared without regard to case.
// Empty arguments and texts over 772 characters give false.
bool ContainsNoCase(std::string_view text, std::string_view needle);
// Index of the first character after the last backslash; 0 when there is none.
int FileNameOffset(std::string_view path);

// The text from its first non-blank character.
size_t SkipLeadingSpaces(std::string_view text, TextBuffer out);
// The text from its first '.' (dot included); empty when there is no dot.
size_t ExtensionOf(std::string_view text, TextBuffer out);
// Copy with every '=' turned into ':' (note file names, approved baselines).
size_t NoteName(std::string_view text, TextBuffer out);
// Copy with every double quote removed, 512 characters at most. Returns the length written.
size_t StripQuotes(std::string_view text, TextBuffer out);
// The first count characters with every ',' turned into a blank.
size_t CommaToBlank(std::string_view text, size_t count, TextBuffer out);
// Each blank becomes "%20" and each '&' becomes '+'. The copy ends where a
// "%20" would not fit whole, so a cut never leaves half an escape.
size_t UrlEscape(std::string_view text, TextBuffer out);
// The decimal number with a comma between groups of three digits (1,234,567).
size_t FormatThousands(long long number, TextBuffer out);
// The text with its first "%s" replaced by argument; other '%' marks stay as
// they are, so that a text override cannot ask for arguments that are not there.
std::string FillFirstString(std::string_view pattern, std::string_view argument);

