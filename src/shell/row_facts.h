// Facts about the program file of a row that several columns and the sort
// need. Each is read from the file once per fill of the stores and kept, so a
// page that shows a company and a sort that orders by it read the file once.
#pragma once

#include <string>
#include <string_view>

// The CompanyName of the version resource of the program that a command line
// runs (ExtractProgramFile); empty when it has none. Valid until the next fill.
const std::string& CompanyOfProgram(std::string_view commandLine);
// The first-seen date of the program that a
// command line runs, under the category of itemType; empty when it has none.
// Only found dates are kept, so a page that records a missing one reads it next.
const std::string& FirstSeenOfProgram(int itemType, std::string_view commandLine);
// Forgets every kept fact (the files may have changed).
void ForgetRowFacts();
