// The splash switches on the resident program's command line.
#include <gtest/gtest.h>

#include "shell/command_line.h"

namespace qv {
namespace {

bool ShowsSplash(const char* commandLine) {
  CommandLineInfo info;
  ParseCommandLine(SplitCommandLine(commandLine), info);
  return info.showSplash;
}

TEST(SplashCommandLine, EmbeddingAndAutomationSwitchesTurnTheSplashOff) {
  EXPECT_FALSE(ShowsSplash("/Embedding"));
  EXPECT_FALSE(ShowsSplash("-embedding"));
  EXPECT_FALSE(ShowsSplash("/AUTOMATION"));
  EXPECT_FALSE(ShowsSplash("-Automation"));
  EXPECT_FALSE(ShowsSplash("file.txt /x /eMbEdDiNg"));
  EXPECT_FALSE(ShowsSplash("/Automation /other"));
}

TEST(SplashCommandLine, OtherArgumentsLeaveItOn) {
  EXPECT_TRUE(ShowsSplash(""));
  EXPECT_TRUE(ShowsSplash("/embed"));
  EXPECT_TRUE(ShowsSplash("Embedding"));
  EXPECT_TRUE(ShowsSplash("/Embeddings"));
  EXPECT_TRUE(ShowsSplash("//Embedding"));
  EXPECT_TRUE(ShowsSplash("\\Embedding"));
  EXPECT_TRUE(ShowsSplash("- Embedding"));
  EXPECT_TRUE(ShowsSplash("/"));
}

TEST(SplashCommandLine, ParsingOnlyEverTurnsTheSplashOff) {
  CommandLineInfo info;
  info.showSplash = false;
  ParseCommandLine({"/embed", "other"}, info);
  EXPECT_FALSE(info.showSplash);
  CommandLineInfo fresh;
  EXPECT_TRUE(fresh.showSplash);
}

TEST(SplashCommandLine, SplittingHonoursBlanksAndQuotes) {
  EXPECT_EQ(SplitCommandLine("  a\tb  c "), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(SplitCommandLine("\"C:\\My Files\\x.txt\" /Embedding"),
            (std::vector<std::string>{"C:\\My Files\\x.txt", "/Embedding"}));
  EXPECT_EQ(SplitCommandLine("\"/Embedding\""), (std::vector<std::string>{"/Embedding"}));
  EXPECT_TRUE(SplitCommandLine("").empty());
  EXPECT_TRUE(SplitCommandLine(nullptr).empty());
  EXPECT_FALSE(ShowsSplash("\"/Embedding\""));
}

}  // namespace
}  // namespace qv
