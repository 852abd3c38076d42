// Reading the splash switches from the program's arguments.
#include "shell/command_line.h"

#include <cstring>

namespace qv {
namespace {

// Letter case is ignored for ASCII letters only; the switch names are ASCII.
bool EqualsIgnoringCase(const char* a, const char* b) {
  for (;; ++a, ++b) {
    auto fold = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    if (fold(*a) != fold(*b)) return false;
    if (*a == '\0') return true;
  }
}

}  // namespace

void ParseCommandLine(const std::vector<std::string>& arguments, CommandLineInfo& info) {
  for (const std::string& argument : arguments) {
    if (argument.empty() || (argument[0] != '-' && argument[0] != '/')) continue;
    const char* name = argument.c_str() + 1;
    if (EqualsIgnoringCase(name, "Embedding") || EqualsIgnoringCase(name, "Automation"))
      info.showSplash = false;
  }
}

std::vector<std::string> SplitCommandLine(const char* commandLine) {
  std::vector<std::string> arguments;
  if (!commandLine) return arguments;
  const char* p = commandLine;
  for (;;) {
    while (*p == ' ' || *p == '\t') ++p;
    if (*p == '\0') break;
    std::string argument;
    bool quoted = false;
    for (; *p != '\0' && (quoted || (*p != ' ' && *p != '\t')); ++p) {
      if (*p == '"')
        quoted = !quoted;
      else
        argument += *p;
    }
    arguments.push_back(argument);
  }
  return arguments;
}

}  // namespace qv
