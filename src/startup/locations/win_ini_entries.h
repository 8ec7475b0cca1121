// The programs of win.ini's [windows] run= and load= entries, ";"-separated.
#pragma once

#include <string_view>

#include "base/fixed_text.h"

// One program of an entry.
using WinIniPiece = FixedText<513>;

// "load" for type 100, "run" for type 101; nullptr for other types.
const char* WinIniEntryOf(int type);

// The piece of the entry that names file: equal to it without regard to case,
// or equal once quotes are dropped and paths are in long form (as a scan lists
// it). False when the entry holds no such piece.
bool FindWinIniPiece(std::string_view entry, std::string_view file, WinIniPiece& piece);
// The comparison FindWinIniPiece makes: does the piece name this file?
bool PieceNames(std::string_view piece, std::string_view file);

// Takes the piece out of the entry, or appends it. win.ini's read-only
// attribute is cleared for the write and put back. True when the entry reads
// as wanted afterwards; an entry too long to be rewritten whole is left alone.
bool TakeOutOfWinIni(std::string_view entry, std::string_view piece);
bool PutIntoWinIni(std::string_view entry, std::string_view piece);
