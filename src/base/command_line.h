// From a stored command line to the file that it runs.
#pragma once

#include <cstddef>
#include <string_view>

#include "base/fixed_text.h"

// Working copy of a command line after its prefix is expanded; longer lines are cut.
inline constexpr size_t kCommandWorkSize = 1024;

// The upper-cased path of the file a command line runs (quotes, arguments and
// anything before the drive letter dropped). Returns its length.
int ExtractProgramFile(std::string_view commandLine, char* out, size_t size = 260);
template <size_t N>
int ExtractProgramFile(std::string_view commandLine, FixedText<N>& out) {
    return ExtractProgramFile(commandLine, out.data(), N);
}

// Splits a startup command line into its program file (long form, upper case)
// and the parameters that follow it, without the closing quote of a quoted
// path and without the blank that separates them. Returns the file's length.
int ExtractStartupFile(std::string_view commandLine, char* fileOut, size_t fileSize,
                       char* parametersOut, size_t parametersSize);
template <size_t N, size_t M>
int ExtractStartupFile(std::string_view commandLine, FixedText<N>& file, FixedText<M>& parameters) {
    return ExtractStartupFile(commandLine, file.data(), N, parameters.data(), M);
}

// The long form of a short (8.3) path; the path unchanged when that is not available.
size_t LongPathOf(std::string_view path, char* out, size_t size);
template <size_t N>
size_t LongPathOf(std::string_view path, FixedText<N>& out) { return LongPathOf(path, out.data(), N); }

// True when the command line runs RUNDLL32.EXE (any case).
bool NamesRundll32(std::string_view commandLine);
