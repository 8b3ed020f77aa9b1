// tintorium-cli scale, run as a script would: the table, the code forms, the batch, and bad input naming its step.
#include "CliRunner.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace tintorium::test {
namespace {

class ScaleCliTest : public CliRunnerTest {};

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> Words(const std::string& line) {
  std::vector<std::string> words;
  std::istringstream in(line);
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

struct TScaleCase {
  const char* what;
  std::vector<std::string> args;
  int status;
  int lines;             // lines on standard output, -1 unchecked
  const char* outHas;    // "" for nothing
  const char* errHas;    // "" for nothing; a fault names its step
};

TEST_F(ScaleCliTest, TableOfCases) {
  const TScaleCase cases[] = {
      {"the default steps, the base kept as itself", {"scale", "3B82F6"}, 0, 12, "#3B82F6", ""},
      {"tones", {"scale", "#3b82f6", "--steps", "tones"}, 0, 12, "100 ", ""},
      {"a list of one's own", {"scale", "3B82F6", "--steps", "100,500,900"}, 0, 4, "base", ""},
      {"contrast by ratio", {"scale", "3B82F6", "--mode", "contrast", "--steps", "100,500,900", "--targets",
                             "1.2,4.5,12"}, 0, 4, "4.50", ""},
      {"contrast by APCA on black", {"scale", "3B82F6", "--mode", "contrast", "--measure", "apca", "--background",
                                     "000000", "--steps", "100,900", "--targets", "-90,-20"}, 0, 3, "", ""},
      {"hue shift and lock", {"scale", "3B82F6", "--hue-shift", "-20", "--lock", "1E3A8A"}, 0, 12, "lock", ""},
      {"css", {"scale", "3B82F6", "--format", "css"}, 0, 13, "--primary-500: #3b82f6;", ""},
      {"scss in rgb", {"scale", "3B82F6", "--format", "scss", "--notation", "rgb", "--name", "Brand Blue"}, 0, 11,
       "$brand-blue-500: rgb(59 130 246);", ""},
      {"theme in oklch", {"scale", "3B82F6", "--format", "theme", "--notation", "oklch"}, 0, 13,
       "--color-primary-50: oklch(", ""},
      {"unknown step", {"scale", "3B82F6", "--steps", "50,abc,900"}, 2, 0, "", "step abc has no default target"},
      {"a step twice", {"scale", "3B82F6", "--steps", "50,50"}, 2, 0, "", "50 appears twice"},
      {"too few targets", {"scale", "3B82F6", "--steps", "50,900", "--targets", "0.9"}, 2, 0, "", "1 targets for 2"},
      {"lightness out of range", {"scale", "3B82F6", "--steps", "50,900", "--targets", "1.2,0.2"}, 2, 0, "", "50"},
      {"ratio below 1", {"scale", "3B82F6", "--mode", "contrast", "--steps", "50,900", "--targets", "0.5,9"}, 2, 0,
       "", "50: the ratio 0.5 is outside 1-21"},
      {"Lc beyond 108", {"scale", "3B82F6", "--mode", "contrast", "--measure", "apca", "--steps", "50,900",
                         "--targets", "10,120"}, 2, 0, "", "900: the Lc 120 is outside"},
      {"unreachable against mid grey", {"scale", "3B82F6", "--mode", "contrast", "--background", "777777",
                                        "--steps", "100,500,900", "--targets", "1.2,2,21"}, 2, 0, "",
       "step 900: a ratio of 21 cannot be reached against #777777"},
      {"targets out of order", {"scale", "3B82F6", "--steps", "50,500,900", "--targets", "0.9,0.95,0.3"}, 2, 0, "",
       "step 900: the target 0.3 breaks the order"},
      {"a target that is no number", {"scale", "3B82F6", "--targets", "0.9,x"}, 2, 0, "", "target 2"},
      {"hue shift too far", {"scale", "3B82F6", "--hue-shift", "400"}, 2, 0, "", "--hue-shift"},
      {"unknown format", {"scale", "3B82F6", "--format", "xml"}, 2, 0, "", "--format"},
      {"unknown mode", {"scale", "3B82F6", "--mode", "chroma"}, 2, 0, "", "--mode"},
      {"no base", {"scale"}, 2, 0, "", "missing BASE"},
      {"a base that is no colour", {"scale", "blue"}, 2, 0, "", "not a colour"},
      {"a value missing", {"scale", "3B82F6", "--steps"}, 2, 0, "", "--steps needs a value"},
      {"batch with code", {"scale", "--batch", "--format", "css"}, 2, 0, "", "--batch"},
      {"help", {"scale", "--help"}, 0, -1, "--batch", ""},
  };
  for (const TScaleCase& c : cases) {
    SCOPED_TRACE(c.what);
    const RunResult r = Run(c.args);
    EXPECT_EQ(r.status, c.status) << r.err;
    if (c.lines >= 0) { EXPECT_EQ(int(Lines(r.out).size()), c.lines) << r.out; }
    EXPECT_NE(r.out.find(c.outHas), std::string::npos) << r.out;
    EXPECT_NE(r.err.find(c.errHas), std::string::npos) << r.err;
    if (c.status != 0) { EXPECT_TRUE(r.out.empty()) << r.out; }
  }
}

// The table's columns: each ratio with white and black matches the pair measured by `contrast`.
TEST_F(ScaleCliTest, TableFiguresAgreeWithTheContrastCommand) {
  const RunResult r = Run({"scale", "0EA5E9"});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 12u);
  for (std::size_t i = 1; i < lines.size(); i += 5) {
    const std::vector<std::string> w = Words(lines[i]);
    ASSERT_GE(w.size(), 10u);
    const std::string hex = w[1].substr(1);
    const RunResult white = Run({"contrast", "FFFFFF", hex});
    EXPECT_NE(white.out.find("Contrast ratio: " + w[6] + " : 1"), std::string::npos) << lines[i] << white.out;
    const RunResult black = Run({"contrast", "000000", hex});
    EXPECT_NE(black.out.find("Contrast ratio: " + w[7] + " : 1"), std::string::npos) << lines[i] << black.out;
  }
}

TEST_F(ScaleCliTest, BatchWritesOneScalePerLineAndStopsAtABadOne) {
  const RunResult r = Run({"scale", "--batch"}, "3B82F6\n\n  #808080  \r\n");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 3u);
  const std::vector<std::string> first = Words(lines[0]);
  ASSERT_EQ(first.size(), 11u);
  EXPECT_EQ(first[5], "3B82F6");  // 500 is the base itself
  EXPECT_TRUE(lines[1].empty());
  EXPECT_EQ(Words(lines[2]).size(), 11u);
  // The same scale as the single command gives.
  const RunResult single = Run({"scale", "3B82F6"});
  const std::vector<std::string> table = Lines(single.out);
  for (std::size_t i = 0; i < first.size(); ++i) EXPECT_EQ(Words(table[i + 1])[1], "#" + first[i]);

  const RunResult bad = Run({"scale", "--batch", "--mode", "contrast", "--background", "777777", "--steps", "500",
                             "--targets", "21"},
                            "000000\n");
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.err.find("line 1"), std::string::npos) << bad.err;
  EXPECT_NE(bad.err.find("500"), std::string::npos) << bad.err;
  const RunResult malformed = Run({"scale", "--batch"}, "3B82F6\nnot a colour\nFF0000\n");
  EXPECT_EQ(malformed.status, 2);
  EXPECT_EQ(Lines(malformed.out).size(), 1u);
  EXPECT_NE(malformed.err.find("line 2"), std::string::npos) << malformed.err;
}

// The tokens read back by `palette show` as the same colours, each step named within its scale's group.
TEST_F(ScaleCliTest, TokensReadBackByPaletteShow) {
  const RunResult tokens = Run({"scale", "3B82F6", "--format", "tokens", "--notation", "oklch"});
  ASSERT_EQ(tokens.status, 0) << tokens.err;
  const auto file = dir_ / "scale.tokens.json";
  {
    std::ofstream out(file, std::ios::binary);
    out << tokens.out;
  }
  const RunResult shown = Run({"palette", "show", file.string()});
  ASSERT_EQ(shown.status, 0) << shown.err;
  const RunResult batch = Run({"scale", "--batch"}, "3B82F6\n");
  const std::vector<std::string> hexes = Words(batch.out);
  const std::vector<std::string> lines = Lines(shown.out);
  const char* steps[] = {"50", "100", "200", "300", "400", "500", "600", "700", "800", "900", "950"};
  ASSERT_EQ(hexes.size(), 11u);
  std::size_t found = 0;
  for (std::size_t i = 0; i < 11; ++i) {
    for (const std::string& line : lines) {
      if (line.rfind("primary / " + std::string(steps[i]) + "\t", 0) != 0) continue;
      ++found;
      EXPECT_NE(line.find(hexes[i]), std::string::npos) << line;
    }
  }
  EXPECT_EQ(found, 11u) << shown.out;
}

}  // namespace
}  // namespace tintorium::test
