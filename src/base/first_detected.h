// The First Detected dates of a whole list at once: one category of the
// first-seen store read in one pass, instead of a registry look-up per row.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

class FirstDetectedDates {
public:
    // The date of a row of item type itemType: recorded under its program file
    // (the name the sort reads first) or under its command line. A row never
    // seen before is recorded now and gets today's date; empty when it cannot
    // be recorded (its program file is missing).
    std::string DateOf(int itemType, std::string_view commandLine);

private:
    using Dates = std::unordered_map<std::string, std::string>;  // upper-case name -> date
    const Dates& Category(const char* category);

    std::unordered_map<std::string, Dates> categories_;
};
