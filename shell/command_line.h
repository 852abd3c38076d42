// The resident program's command line: the only arguments it reads are the
// switches that keep the splash picture away when the program is started by
// the system on another program's behalf.
#pragma once

#include <string>
#include <vector>

namespace qv {

struct CommandLineInfo {
  bool showSplash = true;
};

// Each argument beginning with '-' or '/' is a switch; "Embedding" or
// "Automation" (any letter case) turns the splash off. Nothing else counts.
void ParseCommandLine(const std::vector<std::string>& arguments, CommandLineInfo& info);

// Splits the text after the program name the way the C runtime does for the
// simple cases: blanks separate arguments, double quotes group blanks.
std::vector<std::string> SplitCommandLine(const char* commandLine);

}  // namespace qv
