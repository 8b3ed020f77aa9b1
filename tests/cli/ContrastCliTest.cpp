// tintorium-cli contrast, run as a user's script would.
#include "core/ColorVision.h"
#include "core/Contrast.h"

#include "CliRunner.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace tintorium {
namespace {

using test::ReadFile;
using test::RunResult;
using test::ShellQuoted;

std::string Hex(TColor c) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X%02X%02X", RedOf(c), GreenOf(c), BlueOf(c));
  return text;
}

using ContrastCliTest = test::CliRunnerTest;

TEST_F(ContrastCliTest, PrintsBothGuidelinesWithTheLevelNames) {
  struct Case {
    std::vector<std::string> args;
    std::string expected;
  };
  const Case cases[] = {
      {{"contrast", "FF0000", "FFFFFF"},
       "Brightness difference: 179 (min 125)\nColour difference: 510 (min 500)\nWCAG 1.0: pass\n"
       "Contrast ratio: 4.00 : 1\nLarge text: partial (AA)\nSmall text: fail\nAPCA Lc: 64.1 (other content text)\n"},
      {{"contrast", "#0000ff", "ffffff"},
       "Brightness difference: 226 (min 125)\nColour difference: 510 (min 500)\nWCAG 1.0: pass\n"
       "Contrast ratio: 8.59 : 1\nLarge text: pass (AAA)\nSmall text: pass (AAA)\nAPCA Lc: 85.8 (minimum body text)\n"},
      {{"contrast", "808080", "FFFFFF"},
       "Brightness difference: 127 (min 125)\nColour difference: 381 (min 500)\nWCAG 1.0: fail\n"
       "Contrast ratio: 3.95 : 1\nLarge text: partial (AA)\nSmall text: fail\nAPCA Lc: 66.9 (other content text)\n"},
      {{"contrast", "123456", "123456"},
       "Brightness difference: 0 (min 125)\nColour difference: 0 (min 500)\nWCAG 1.0: fail\n"
       "Contrast ratio: 1.00 : 1\nLarge text: fail\nSmall text: fail\nAPCA Lc: 0.0 (not readable)\n"},
  };
  for (const Case& c : cases) {
    const RunResult r = Run(c.args);
    EXPECT_EQ(r.status, 0) << c.args[1];
    EXPECT_EQ(r.out, c.expected);
    EXPECT_EQ(r.err, "");
  }
}

TEST_F(ContrastCliTest, ApcaFollowsTheOrderOfTextAndBackground) {
  // The published examples: #888 text on white about Lc 63.1, white text on #888 about Lc -68.5.
  const RunResult dark = Run({"contrast", "888888", "FFFFFF"});
  const RunResult light = Run({"contrast", "FFFFFF", "888888"});
  ASSERT_EQ(dark.status, 0) << dark.err;
  ASSERT_EQ(light.status, 0) << light.err;
  EXPECT_NE(dark.out.find("\nAPCA Lc: 63.1 (other content text)\n"), std::string::npos) << dark.out;
  EXPECT_NE(light.out.find("\nAPCA Lc: -68.5 (other content text)\n"), std::string::npos) << light.out;
  // the WCAG 2 part does not depend on the order
  EXPECT_EQ(dark.out.substr(0, dark.out.find("APCA")), light.out.substr(0, light.out.find("APCA")));
}

TEST_F(ContrastCliTest, FixPrintsTheSuggestionOrSaysThereIsNone) {
  struct Case {
    std::vector<std::string> args;
    std::string lastLine;
  };
  const Case cases[] = {
      {{"contrast", "777777", "FFFFFF", "--fix", "aa"},
       "Fix for aa: 767676, deltaE OK 0.0034, contrast ratio 4.54 : 1, APCA Lc 71.6\n"},
      {{"contrast", "FFFF00", "FFFF00", "--fix", "AAA"},
       "Fix for aaa: 585700, deltaE OK 0.5373, contrast ratio 7.04 : 1, APCA Lc 81.4\n"},
      // already passing: the text colour itself, at distance 0
      {{"contrast", "000000", "FFFFFF", "--fix", "apca90"},
       "Fix for apca90: 000000, deltaE OK 0.0000, contrast ratio 21.00 : 1, APCA Lc 106.0\n"},
      {{"contrast", "FF0000", "808080", "--fix", "apca90"},
       "Fix for apca90: no colour of this hue meets apca90 on 808080\n"},
  };
  for (const Case& c : cases) {
    const RunResult r = Run(c.args);
    ASSERT_EQ(r.status, 0) << c.args[1] << r.err;
    const std::size_t blank = r.out.rfind("\n\n");
    ASSERT_NE(blank, std::string::npos) << r.out;
    EXPECT_EQ(r.out.substr(blank + 2), c.lastLine);
  }
}

TEST_F(ContrastCliTest, CvdAddsTheSimulatedPairsAndTheirRatios) {
  const RunResult r = Run({"contrast", "FF0000", "000000", "--cvd"});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string expected =
      "Brightness difference: 76 (min 125)\nColour difference: 255 (min 500)\nWCAG 1.0: fail\n"
      "Contrast ratio: 5.25 : 1\nLarge text: pass (AAA)\nSmall text: partial (AA)\n"
      "APCA Lc: -37.5 (spot text and non-text)\n\n"
      "protanopia:   6D5F00 on 000000, contrast ratio 3.29 : 1, large text partial (AA), small text fail\n"
      "deuteranopia: A39000 on 000000, contrast ratio 6.55 : 1, large text pass (AAA), small text partial (AA)\n"
      "tritanopia:   FF000F on 000000, contrast ratio 5.26 : 1, large text pass (AAA), small text partial (AA)\n";
  EXPECT_EQ(r.out, expected);
}

TEST_F(ContrastCliTest, RefusesBadArgumentsWithStatus2) {
  const std::vector<std::vector<std::string>> cases{
      {"contrast"},
      {"contrast", "FF0000"},
      {"contrast", "FF0000", "FFFFFF", "000000"},
      {"contrast", "FF000", "FFFFFF"},
      {"contrast", "GG0000", "FFFFFF"},
      {"contrast", "FF0000", "FFFFFF", "--bogus"},
      {"contrast", "--batch", "FF0000"},
      {"contrast", "FF0000", "FFFFFF", "--batch"},
      {"contrast", "FF0000", "FFFFFF", "--fix"},
      {"contrast", "FF0000", "FFFFFF", "--fix", "aa+"},
      {"contrast", "FF0000", "FFFFFF", "--fix", ""},
      {"contrast", "FF0000", "FFFFFF", "--fix", "apca"},
  };
  for (const auto& args : cases) {
    const RunResult r = Run(args);
    EXPECT_EQ(r.status, 2) << testing::PrintToString(args);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind("tintorium-cli contrast: ", 0), 0u) << r.err;
  }
  const RunResult help = Run({"contrast", "--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--batch"), std::string::npos);
}

// A palette file in the test's folder; returns its path.
std::string WritePalette(const std::filesystem::path& dir, const std::string& name, const std::string& body) {
  const std::filesystem::path path = dir / name;
  std::ofstream(path, std::ios::binary) << "GIMP Palette\nName: Test\n#\n" << body;
  return path.string();
}

TEST_F(ContrastCliTest, MatrixListsEveryOrderedPairOfDifferentColours) {
  const std::string palette = WritePalette(Dir(), "four.gpl",
                                           "  0   0   0\tBlack\n255 255 255\tWhite\n119 119 119\tGrey, \"77\"\n"
                                           " 51 102 153\tSteel|Blue\n");
  struct Case {
    std::vector<std::string> extra;
    std::string expected;  // the whole output
  };
  const Case cases[] = {
      // #777777 on white is 4.478: cut to 4.47 and failing AA, never printed as a passing 4.48.
      {{"--target", "apca75"},
       "Black on White  #000000 on #FFFFFF  ratio 21.00  Lc 106.0  aa aaa aa-large apca60 apca75 apca90\n"
       "White on Black  #FFFFFF on #000000  ratio 21.00  Lc -107.9  aa aaa aa-large apca60 apca75 apca90\n"
       "White on Grey, \"77\"  #FFFFFF on #777777  ratio 4.47  Lc -76.6  aa-large apca60 apca75\n"
       "White on Steel|Blue  #FFFFFF on #336699  ratio 5.99  Lc -85.0  aa aa-large apca60 apca75\n"
       "Steel|Blue on White  #336699 on #FFFFFF  ratio 5.99  Lc 79.8  aa aa-large apca60 apca75\n"
       "Pairs meeting each target: AA 6, AAA 2, AA large 10, APCA Lc 60 6, APCA Lc 75 5, APCA Lc 90 2\n"},
      {{"--format", "csv", "--target", "AAA"},
       "text,background,text_hex,background_hex,ratio,lc,aa,aaa,aa_large,apca60,apca75,apca90\r\n"
       "Black,White,000000,FFFFFF,21.00,106.0,1,1,1,1,1,1\r\n"
       "White,Black,FFFFFF,000000,21.00,-107.9,1,1,1,1,1,1\r\n"},
      // Achromatopsia: the blue becomes its grey and the figures follow it (5.99 becomes 6.00), the hex stays the
      // palette's.
      {{"--format", "md", "--cvd", "achromatopsia", "--target", "apca75"},
       "| Text | Background | Ratio | WCAG 2 | APCA Lc | Targets met |\n|---|---|--:|---|--:|---|\n"
       "| Black `#000000` | White `#FFFFFF` | 21.00 | AAA | 106.0 | AA, AAA, AA large, APCA Lc 60, APCA Lc 75, APCA Lc 90 |\n"
       "| White `#FFFFFF` | Black `#000000` | 21.00 | AAA | -107.9 | AA, AAA, AA large, APCA Lc 60, APCA Lc 75, APCA Lc 90 |\n"
       "| White `#FFFFFF` | Grey, \"77\" `#777777` | 4.47 | AA large | -76.6 | AA large, APCA Lc 60, APCA Lc 75 |\n"
       "| White `#FFFFFF` | Steel\\|Blue `#336699` | 6.00 | AA | -85.2 | AA, AA large, APCA Lc 60, APCA Lc 75 |\n"
       "| Steel\\|Blue `#336699` | White `#FFFFFF` | 6.00 | AA | 80.1 | AA, AA large, APCA Lc 60, APCA Lc 75 |\n"
       "\nPairs meeting each target: AA 6, AAA 2, AA large 10, APCA Lc 60 6, APCA Lc 75 5, APCA Lc 90 2\n"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args{"contrast", "--matrix", palette};
    args.insert(args.end(), c.extra.begin(), c.extra.end());
    const RunResult r = Run(args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, c.expected) << testing::PrintToString(c.extra);
    EXPECT_EQ(r.err, "");
  }
}

TEST_F(ContrastCliTest, MatrixOfNoneOrOneColourIsAnEmptyTable) {
  const std::string one = WritePalette(Dir(), "one.gpl", "255 0 0\tRed\n");
  const std::string none = WritePalette(Dir(), "none.gpl", "");
  for (const std::string& palette : {one, none}) {
    const RunResult text = Run({"contrast", "--matrix", palette});
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out, "Pairs meeting each target: AA 0, AAA 0, AA large 0, APCA Lc 60 0, APCA Lc 75 0, APCA Lc 90 0\n");
    const RunResult csv = Run({"contrast", "--matrix", palette, "--format", "csv"});
    EXPECT_EQ(csv.status, 0);
    EXPECT_EQ(csv.out, "text,background,text_hex,background_hex,ratio,lc,aa,aaa,aa_large,apca60,apca75,apca90\r\n");
    const RunResult json = Run({"contrast", "--matrix", palette, "--json"});
    EXPECT_EQ(json.status, 0);
    EXPECT_NE(json.out.find("\"pairs\":[]"), std::string::npos) << json.out;
  }
}

TEST_F(ContrastCliTest, MatrixRefusesBadArguments) {
  const std::string palette = WritePalette(Dir(), "two.gpl", "0 0 0\tBlack\n255 255 255\tWhite\n");
  struct Case {
    std::vector<std::string> args;
    int status;
  };
  const Case cases[] = {
      {{"--matrix"}, 2},
      {{"--matrix", palette, "--target", "aa+"}, 2},
      {{"--matrix", palette, "--target"}, 2},
      {{"--matrix", palette, "--cvd", "martian"}, 2},
      {{"--matrix", palette, "--cvd", "protanomaly:1.5"}, 2},
      {{"--matrix", palette, "--cvd"}, 2},
      {{"--matrix", palette, "--format", "pdf"}, 2},
      {{"--matrix", palette, "--format", "csv", "--json"}, 2},
      {{"--matrix", palette, "FF0000"}, 2},
      {{"--matrix", palette, "--matrix", palette}, 2},
      {{"FF0000", "FFFFFF", "--target", "aa"}, 2},
      {{"--matrix", (Dir() / "missing.gpl").string()}, 1},
      {{"--matrix", (Dir() / "notes.doc").string()}, 2},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args{"contrast"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const RunResult r = Run(args);
    EXPECT_EQ(r.status, c.status) << testing::PrintToString(c.args);
    EXPECT_EQ(r.out, "") << testing::PrintToString(c.args);
    EXPECT_EQ(r.err.rfind("tintorium-cli contrast: ", 0), 0u) << r.err;
  }
}

TEST_F(ContrastCliTest, BatchWritesOneLinePerPairWhateverTheLocale) {
  const std::string input = "000000 FFFFFF\n\nFF0000 #ffffff\r\n  808080\tFFFFFF  \n123456 123456\nFFFFFF 888888";
  const std::string expected =
      "255 765 1 21.000000 1 1 106.0\n\n179 510 1 3.998477 2 0 64.1\n127 381 0 3.949440 2 0 66.9\n"
      "0 0 0 1.000000 0 0 0.0\n119 357 0 3.544886 2 0 -68.5\n";
  for (const char* locale : {"", "LC_ALL=de_DE.UTF-8", "LC_ALL=C.UTF-8"}) {
    const RunResult r = Run({"contrast", "--batch"}, input, locale);
    EXPECT_EQ(r.status, 0) << locale;
    EXPECT_EQ(r.out, expected) << locale;
    EXPECT_EQ(r.err, "") << locale;
  }
  const RunResult empty = Run({"contrast", "--batch"}, "");
  EXPECT_EQ(empty.status, 0);
  EXPECT_EQ(empty.out, "");
}

TEST_F(ContrastCliTest, MalformedLineStopsAfterTheGoodLines) {
  struct Case {
    std::string badLine;
    std::string error;
  };
  const Case cases[] = {
      {"FF0000", "line 3: expected two colours RRGGBB RRGGBB, found one\n"},
      {"FF0000 000000 FFFFFF", "line 3: expected two colours RRGGBB RRGGBB, found more\n"},
      {"FF00 000000", "line 3: 'FF00' is not a colour RRGGBB\n"},
      {"FF0000 00000G", "line 3: '00000G' is not a colour RRGGBB\n"},
      {"FF0000 " + std::string(40, 'A'), "line 3: 'AAAAAAAAAAAAAAAAAAAAAAAA...' is not a colour RRGGBB\n"},
      // control characters are shown as '?', so the message stays one readable line
      {std::string("FF0000\0 000000", 14), "line 3: 'FF0000?' is not a colour RRGGBB\n"},
      {"\x1b[2J 000000", "line 3: '?[2J' is not a colour RRGGBB\n"},
  };
  for (const Case& c : cases) {
    const RunResult r = Run({"contrast", "--batch"}, "000000 FFFFFF\n\n" + c.badLine + "\n000000 FFFFFF\n");
    EXPECT_EQ(r.status, 2) << c.badLine;
    EXPECT_EQ(r.out, "255 765 1 21.000000 1 1 106.0\n\n") << c.badLine;
    EXPECT_EQ(r.err, c.error) << c.badLine;
  }
  const RunResult longLine = Run({"contrast", "--batch"}, "000000 FFFFFF\n" + std::string(3 << 20, 'A') + "\n");
  EXPECT_EQ(longLine.status, 2);
  EXPECT_EQ(longLine.out, "255 765 1 21.000000 1 1 106.0\n");
  EXPECT_NE(longLine.err.find("line 2: line too long"), std::string::npos) << longLine.err;
}

TEST_F(ContrastCliTest, BatchAgreesWithTheLibraryAcrossBufferBoundaries) {
  std::mt19937 random(7);
  std::uniform_int_distribution<std::uint32_t> any(0, 0xFFFFFF);
  std::string input, expected;
  for (int i = 0; i < 60000; ++i) {
    const TColor a = any(random), b = any(random);
    input += Hex(a) + " " + Hex(b) + "\n";
    const TContrastResult r = MeasureContrast(a, b);
    double lc = ApcaContrast(a, b);
    if (std::abs(lc) < 0.05) lc = 0;  // the batch never writes "-0.0"
    char line[80];
    std::snprintf(line, sizeof line, "%d %d %d %.6f %d %d %.1f\n", r.BrightDiff, r.ColorDiff, r.Pass ? 1 : 0,
                  r.Ratio, static_cast<int>(LargeTextMark(r.Ratio)), static_cast<int>(SmallTextMark(r.Ratio)), lc);
    expected += line;
  }
  const RunResult r = Run({"contrast", "--batch"}, input);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.out == expected) << "outputs differ";
}

TEST_F(ContrastCliTest, UnreadableInputAndAFullDiskExitWithStatus1) {
  const auto status = [](const std::string& arguments) {
    const int raw = std::system((ShellQuoted(TINTORIUM_CLI) + " contrast " + arguments + " 2>/dev/null").c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  };
  // A folder opens but cannot be read.
  EXPECT_EQ(status("--batch </"), 1);
  if (std::filesystem::exists("/dev/full")) {
    std::ofstream(dir_ / "pairs") << "000000 FFFFFF\n";
    EXPECT_EQ(status("--batch <" + ShellQuoted((dir_ / "pairs").string()) + " >/dev/full"), 1);
    EXPECT_EQ(status("000000 FFFFFF >/dev/full"), 1);
  }
}

}  // namespace
}  // namespace tintorium
