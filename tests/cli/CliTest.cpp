#include "core/ColorModels.h"
#include "core/ColorObject.h"
#include "core/ColorText.h"
#include "engine/schemes/SpectrumCells.h"
#include "engine/schemes/VariationStrip.h"

#include "CliRunner.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
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

using CliTest = test::CliRunnerTest;

struct SingleCase {
  std::vector<std::string> args;
  std::string expected;
};

const std::vector<SingleCase>& SingleCases() {
  static const std::vector<SingleCase> cases{
      {{"convert", "rgb", "255", "0", "0"},
       "Model:      RGB\nRGB:        R:255 G:0 B:0\nHSB:        H:0 S:100 B:100\nCMYK:       C:0 M:100 Y:100 K:0\n"
       "Lab:        L:54 a:81 b:70\nHex:        FF0000\nDollar hex: $000000FF\nDecimal:    255,0,0\n"
       "Web-safe:   yes\nWeb-smart:  yes\n"
       "CSS hex:    #ff0000\nCSS rgb:    rgb(255 0 0)\nCSS hsl:    hsl(0 100% 50%)\nCSS hwb:    hwb(0 0% 0%)\nCSS lab:    lab(54.29 80.8 69.89)\nCSS lch:    lch(54.29 106.84 40.86)\nCSS oklab:  oklab(0.62796 0.22486 0.12585)\nCSS oklch:  oklch(0.62796 0.25768 29.23)\nCSS name:   red\n"},
      {{"convert", "hex", "#ff00ee"},
       "Model:      RGB\nRGB:        R:255 G:0 B:238\nHSB:        H:304 S:100 B:100\nCMYK:       C:0 M:100 Y:7 K:0\n"
       "Lab:        L:59 a:92 b:-52\nHex:        FF00EE\nDollar hex: $00EE00FF\nDecimal:    255,0,238\n"
       "Web-safe:   no\nWeb-smart:  yes\n"
       "CSS hex:    #ff00ee\nCSS rgb:    rgb(255 0 238)\nCSS hsl:    hsl(304 100% 50%)\nCSS hwb:    hwb(304 0% 0%)\nCSS lab:    lab(59.37 91.87 -52.31)\nCSS lch:    lch(59.37 105.72 330.34)\nCSS oklab:  oklab(0.69199 0.27586 -0.146)\nCSS oklch:  oklch(0.69199 0.31212 332.11)\nCSS name:   (none)\n"},
      {{"convert", "hsb", "0", "0", "50"},
       "Model:      HSB\nRGB:        R:128 G:128 B:128\nHSB:        H:0 S:0 B:50\nCMYK:       C:0 M:0 Y:0 K:50\n"
       "Lab:        L:54 a:0 b:0\nHex:        808080\nDollar hex: $00808080\nDecimal:    128,128,128\n"
       "Web-safe:   no\nWeb-smart:  no\n"
       "CSS hex:    #808080\nCSS rgb:    rgb(128 128 128)\nCSS hsl:    hsl(0 0% 50.2%)\nCSS hwb:    hwb(0 50.2% 49.8%)\nCSS lab:    lab(53.59 0 0)\nCSS lch:    lch(53.59 0 0)\nCSS oklab:  oklab(0.59987 0 0)\nCSS oklch:  oklch(0.59987 0 0)\nCSS name:   gray\n"},
      {{"convert", "cmyk", "0", "0", "0", "50"},
       "Model:      CMYK\nRGB:        R:127 G:127 B:127\nHSB:        H:0 S:0 B:50\nCMYK:       C:0 M:0 Y:0 K:50\n"
       "Lab:        L:53 a:0 b:0\nHex:        7F7F7F\nDollar hex: $007F7F7F\nDecimal:    127,127,127\n"
       "Web-safe:   no\nWeb-smart:  no\n"
       "CSS hex:    #7f7f7f\nCSS rgb:    rgb(127 127 127)\nCSS hsl:    hsl(0 0% 49.8%)\nCSS hwb:    hwb(0 49.8% 50.2%)\nCSS lab:    lab(53.19 0 0)\nCSS lch:    lch(53.19 0 0)\nCSS oklab:  oklab(0.59649 0 0)\nCSS oklch:  oklch(0.59649 0 0)\nCSS name:   (none)\n"},
      {{"convert", "lab", "54", "81", "70"},
       "Model:      Lab\nRGB:        R:254 G:0 B:0\nHSB:        H:0 S:100 B:100\nCMYK:       C:0 M:100 Y:100 K:0\n"
       "Lab:        L:54 a:81 b:70\nHex:        FE0000\nDollar hex: $000000FE\nDecimal:    254,0,0\n"
       "Web-safe:   no\nWeb-smart:  no\n"
       "CSS hex:    #fe0000\nCSS rgb:    rgb(254 0 0)\nCSS hsl:    hsl(0 100% 49.8%)\nCSS hwb:    hwb(0 0% 0.39%)\nCSS lab:    lab(54.08 80.56 69.68)\nCSS lch:    lch(54.08 106.52 40.86)\nCSS oklab:  oklab(0.62609 0.22419 0.12547)\nCSS oklch:  oklch(0.62609 0.25692 29.23)\nCSS name:   (none)\n"},
  };
  return cases;
}

TEST_F(CliTest, ConvertPrintsEveryForm) {
  for (const SingleCase& c : SingleCases()) {
    const RunResult r = Run(c.args);
    EXPECT_EQ(r.status, 0) << c.args[1];
    EXPECT_EQ(r.out, c.expected) << c.args[1];
    EXPECT_EQ(r.err, "") << c.args[1];
  }
}

struct BadArgsCase {
  std::vector<std::string> args;
  std::string message;
};

TEST_F(CliTest, BadArgumentsExitWithStatus2AndSayWhy) {
  const std::vector<BadArgsCase> cases{
      {{}, "missing command"},
      {{"paint"}, "unknown command 'paint'"},
      {{"convert"}, "missing model"},
      {{"convert", "xyz", "1", "2", "3"}, "unknown model 'xyz'"},
      {{"convert", "color", "255"}, "unknown model 'color'"},
      {{"convert", "rgb", "1", "2"}, "rgb takes 3 values, 2 given"},
      {{"convert", "cmyk", "1", "2", "3", "4", "5"}, "cmyk takes 4 values, 5 given"},
      {{"convert", "rgb", "256", "0", "0"}, "'256' is out of range for R (0 to 255)"},
      {{"convert", "lab", "50", "0", "-129"}, "'-129' is out of range for b (-128 to 127)"},
      {{"convert", "hsb", "1.5", "0", "0"}, "'1.5' is not an integer"},
      {{"convert", "hex", "FFF"}, "not a six-digit hexadecimal colour"},
      {{"convert", "hex", "GG0000"}, "not a six-digit hexadecimal colour"},
      {{"convert", "hex"}, "hex takes one value"},
      {{"convert", "--batch", "rgb"}, "--batch takes two models"},
      {{"convert", "--batch", "rgb", "xyz"}, "unknown model 'xyz'"},
      {{"convert", "css"}, "css takes one CSS colour text"},
      {{"convert", "css", "rgb(1 2, 3)"}, "not a CSS colour: rgb() mixes comma and space syntax"},
      {{"convert", "css", "#12345"}, "3, 4, 6 or 8 hexadecimal digits"},
      {{"convert", "css", "oklch(0.5 0.1"}, "missing its closing ')'"},
      {{"convert", "css", "redd"}, "'redd' is not a CSS colour name"},
  };
  for (const BadArgsCase& c : cases) {
    const RunResult r = Run(c.args);
    const std::string what = c.args.empty() ? "(none)" : c.args.back();
    EXPECT_EQ(r.status, 2) << what;
    EXPECT_EQ(r.out, "") << what;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << what << ": " << r.err;
  }
}

TEST_F(CliTest, ConvertCssReadsEveryNotationOfOneColour) {
  const RunResult red = Run({"convert", "rgb", "255", "0", "0"});
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"convert", "css", "red"}, {"convert", "css", "#F00"},
        {"convert", "css", "rgba(255, 0, 0, 0.5)"}, {"convert", "css", "hsl(0turn 100% 50% / 50%)"},
        {"convert", "css", "  oklch(0.62796 0.25768 29.23)  "}, {"convert", "css", "color(srgb", "1", "0", "0)"}}) {
    const RunResult r = Run(args);
    EXPECT_EQ(r.status, 0) << args[2];
    EXPECT_EQ(r.out.substr(0, red.out.size()), red.out) << args[2];
    const bool translucent = args[2].find("0.5") != std::string::npos || args[2].find("50%)") != std::string::npos;
    EXPECT_EQ(r.out.substr(red.out.size()), translucent ? "Alpha:      0.5 (dropped)\n" : "Alpha:      1\n") << args[2];
  }
  // Outside sRGB: gamut-mapped, not clipped to pure red.
  EXPECT_NE(Run({"convert", "css", "oklch(70% 0.4 30)"}).out.find("CSS hex:    #ff5843\n"), std::string::npos);
}

TEST_F(CliTest, HelpOnTheToolAndTheCommand) {
  for (const auto& args : {std::vector<std::string>{"--help"}, std::vector<std::string>{"convert", "--help"},
                           std::vector<std::string>{"convert", "rgb", "-h"}}) {
    const RunResult r = Run(args);
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Usage: tintorium-cli"), std::string::npos);
    EXPECT_EQ(r.err, "");
  }
  EXPECT_NE(Run({"--help"}).out.find("convert"), std::string::npos);
  EXPECT_NE(Run({"convert", "--help"}).out.find("--batch FROM TO"), std::string::npos);
}

// Every command the tool's help lists answers --help with its own usage and --version with the tool's version,
// wherever the option stands and whatever else is on the line; help wins over version.
TEST_F(CliTest, HelpAndVersionOnEveryCommand) {
  const std::string list = Run({"--help"}).out;
  std::vector<std::string> commands;
  std::istringstream lines(list.substr(list.find("Commands:\n") + 10));
  for (std::string line; std::getline(lines, line) && line.rfind("  ", 0) == 0;)
    commands.push_back(line.substr(2, line.find(' ', 2) - 2));
  ASSERT_GE(commands.size(), 10u);
  const std::string version = "tintorium-cli " TINTORIUM_VERSION "\n";
  EXPECT_EQ(Run({"--version"}).out, version);
  for (const std::string& command : commands) {
    SCOPED_TRACE(command);
    const RunResult help = Run({command, "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: tintorium-cli " + command, 0), 0u);
    for (const auto& args : {std::vector<std::string>{command, "--version"},
                             std::vector<std::string>{command, "ff0000", "--batch", "--version"}}) {
      const RunResult r = Run(args);
      EXPECT_EQ(r.status, 0);
      EXPECT_EQ(r.out, version);
      EXPECT_EQ(r.err, "");
    }
    EXPECT_EQ(Run({command, "--version", "-h"}).out, help.out);
  }
}

struct BatchCase {
  std::string from, to, input, output;
};

TEST_F(CliTest, BatchConvertsLineByLine) {
  const std::vector<BatchCase> cases{
      {"rgb", "lab", "255 0 0\n0 0 0\n128 128 128\n", "54 81 70\n0 0 0\n54 0 0\n"},
      {"rgb", "hsb", "  51\t102 153 \r\n255 0 1", "210 67 60\n360 100 100\n"},  // blanks, CRLF, no final newline
      {"hsb", "rgb", "0 0 50\n30 50 50\n", "128 128 128\n128 96 64\n"},
      {"hsb", "hsb", "360 100 100\n", "360 100 100\n"},  // stored as given
      {"cmyk", "rgb", "0 0 0 50\n60 60 60 40\n", "127 127 127\n0 0 0\n"},
      {"lab", "rgb", "54 81 70\n0 -128 -128\n", "254 0 0\n0 59 195\n"},
      {"rgb", "color", "255 0 238\n", "15597823\n"},
      {"color", "rgb", "15597823\n+255\n", "255 0 238\n255 0 0\n"},
      {"color", "rgb", "4278190095\n", "212 208 200\n"},  // button face, a system colour
      {"hsb", "color", "0 0 50\n", "8421504\n"},
      {"rgb", "cmyk", "", ""},
      // Blank lines give blank lines, so output line n is input line n: inside, trailing, blanks only, CRLF.
      {"rgb", "lab", "\n255 0 0\n\n0 0 0\n\n", "\n54 81 70\n\n0 0 0\n\n"},
      {"rgb", "lab", "255 0 0\n \t \r\n\r\n0 0 0", "54 81 70\n\n\n0 0 0\n"},
      {"rgb", "lab", "\n", "\n"},
  };
  for (const BatchCase& c : cases) {
    const RunResult r = Run({"convert", "--batch", c.from, c.to}, c.input);
    EXPECT_EQ(r.status, 0) << c.from << " -> " << c.to;
    EXPECT_EQ(r.out, c.output) << c.from << " -> " << c.to;
    EXPECT_EQ(r.err, "") << c.from << " -> " << c.to;
  }
}

TEST_F(CliTest, MalformedLineStopsAfterTheGoodLines) {
  const std::vector<BatchCase> cases{
      {"rgb", "lab", "255 0 0\n0 0 0\n1 2\n5 5 5\n", "line 3: expected 3 integers for rgb, found 2\n"},
      {"rgb", "lab", "255 0 0\n0 0 0\n1 2 3 4\n5 5 5\n", "line 3: too many values (rgb takes 3)\n"},
      {"rgb", "lab", "255 0 0\n0 0 0\n1 2 x\n", "line 3: 'x' is not an integer\n"},
      {"rgb", "lab", "255 0 0\n0 0 0\n1 2 256\n", "line 3: '256' is out of range for B (0 to 255)\n"},
      {"rgb", "lab", "255 0 0\n0 0 0\n1 2 99999999999999999999999\n",
       "line 3: '99999999999999999999999' is out of range for B (0 to 255)\n"},
  };
  for (const BatchCase& c : cases) {
    const RunResult r = Run({"convert", "--batch", c.from, c.to}, c.input);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "54 81 70\n0 0 0\n");
    EXPECT_EQ(r.err, c.output);
  }
  // A blank line before the bad one is answered and counted.
  const RunResult blank = Run({"convert", "--batch", "rgb", "lab"}, "255 0 0\n \t\n1\n");
  EXPECT_EQ(blank.status, 2);
  EXPECT_EQ(blank.out, "54 81 70\n\n");
  EXPECT_EQ(blank.err, "line 3: expected 3 integers for rgb, found 1\n");
  const RunResult color = Run({"convert", "--batch", "color", "rgb"}, "16777216\n");
  EXPECT_EQ(color.status, 2);
  EXPECT_EQ(color.err, "line 1: '16777216' is out of range for color (0 to 16777215)\n");
}

TEST_F(CliTest, AnOverlongLineIsRefusedWithoutGrowingMemory) {
  const RunResult r = Run({"convert", "--batch", "rgb", "lab"}, "0 0 0\n" + std::string(3 << 20, '7') + "\n");
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, "0 0 0\n");
  EXPECT_NE(r.err.find("line 2: line too long"), std::string::npos) << r.err;
}

TEST_F(CliTest, BatchAgreesWithTheLibraryAcrossBufferBoundaries) {
  // Enough lines to cross the input and output buffers several times.
  std::mt19937 random(7);
  std::uniform_int_distribution<int> channel(0, 255);
  std::string input;
  std::vector<TRGBValues> colours;
  for (int i = 0; i < 300000; ++i) {
    const TRGBValues c{channel(random), channel(random), channel(random)};
    colours.push_back(c);
    input += std::to_string(c.R) + " " + std::to_string(c.G) + " " + std::to_string(c.B) + "\n";
  }
  const RunResult lab = Run({"convert", "--batch", "rgb", "lab"}, input);
  const RunResult hsb = Run({"convert", "--batch", "rgb", "hsb"}, input);
  ASSERT_EQ(lab.status, 0);
  ASSERT_EQ(hsb.status, 0);
  std::istringstream labLines(lab.out), hsbLines(hsb.out);
  for (const TRGBValues& c : colours) {
    TLabValues l;
    THSBValues h;
    ASSERT_TRUE(labLines >> l.L >> l.a >> l.b);
    ASSERT_TRUE(hsbLines >> h.H >> h.S >> h.B);
    ASSERT_EQ(l, RGBToLab(c));
    ASSERT_EQ(h, RGBToHSB(c));
  }
  std::string rest;
  EXPECT_FALSE(labLines >> rest);
}

// Every FROM and TO: the batch writes what a colour object set with FROM's setter returns for TO.
TEST_F(CliTest, BatchMatchesTheColourObjectForEveryPairOfModels) {
  struct Model {
    const char* name;
    std::vector<std::vector<std::int64_t>> inputs;
  };
  const std::vector<Model> models{
      {"rgb", {{0, 0, 0}, {255, 0, 238}, {51, 102, 153}, {200, 100, 50}}},
      {"hsb", {{0, 0, 50}, {360, 100, 100}, {210, 67, 60}, {30, 50, 50}}},
      {"cmyk", {{0, 0, 0, 50}, {60, 60, 60, 40}, {0, 100, 7, 0}, {100, 100, 100, 100}}},
      {"lab", {{54, 81, 70}, {0, -128, -128}, {100, 127, 127}, {50, 0, 0}}},
      {"color", {{0}, {15597823}, {16777215}, {4278190095}}},
  };
  auto set = [](TColorObject& o, const std::string& model, const std::vector<std::int64_t>& v) {
    const auto i = [&](int k) { return static_cast<std::int32_t>(v[k]); };
    if (model == "rgb") o.SetRGB({i(0), i(1), i(2)});
    if (model == "hsb") o.SetHSB({i(0), i(1), i(2)});
    if (model == "cmyk") o.SetCMYK({i(0), i(1), i(2), i(3)});
    if (model == "lab") o.SetLab({i(0), i(1), i(2)});
    if (model == "color") o.SetColor(static_cast<TColor>(v[0]), cmRGB);
  };
  auto get = [](const TColorObject& o, const std::string& model) {
    std::ostringstream line;
    if (model == "rgb") line << o.GetRGB().R << ' ' << o.GetRGB().G << ' ' << o.GetRGB().B;
    if (model == "hsb") line << o.GetHSB().H << ' ' << o.GetHSB().S << ' ' << o.GetHSB().B;
    if (model == "cmyk")
      line << o.GetCMYK().C << ' ' << o.GetCMYK().M << ' ' << o.GetCMYK().Y << ' ' << o.GetCMYK().K;
    if (model == "lab") line << o.GetLab().L << ' ' << o.GetLab().a << ' ' << o.GetLab().b;
    if (model == "color") line << o.GetColor();
    return line.str() + "\n";
  };
  for (const Model& from : models) {
    std::string input;
    for (const auto& values : from.inputs) {
      for (std::size_t k = 0; k < values.size(); ++k) input += (k ? " " : "") + std::to_string(values[k]);
      input += "\n";
    }
    for (const Model& to : models) {
      std::string expected;
      for (const auto& values : from.inputs) {
        TColorObject object;
        set(object, from.name, values);
        expected += get(object, to.name);
      }
      const RunResult r = Run({"convert", "--batch", from.name, to.name}, input);
      EXPECT_EQ(r.status, 0) << from.name << " -> " << to.name;
      EXPECT_EQ(r.out, expected) << from.name << " -> " << to.name;
    }
  }
}

TEST_F(CliTest, MixPrintsTheGridTopRowFirst) {
  const RunResult grid3 = Run({"mix", "FF0000", "#0000ff", "000000", "000000", "--size", "3"});
  EXPECT_EQ(grid3.status, 0);
  EXPECT_EQ(grid3.err, "");
  EXPECT_EQ(grid3.out,
            "FF0000 7F007F 0000FF\n"
            "7F0000 3F003F 00007F\n"
            "000000 000000 000000\n");

  const RunResult defaults = Run({"mix", "FF0000", "00FF00", "FFFF00", "0000FF"});
  EXPECT_EQ(defaults.status, 0);
  std::istringstream lines(defaults.out);
  std::string line;
  std::vector<std::string> rows;
  while (std::getline(lines, line)) rows.push_back(line);
  ASSERT_EQ(rows.size(), 5u);  // the default size
  EXPECT_EQ(rows.front().substr(0, 6), "FF0000");
  EXPECT_EQ(rows.front().substr(rows.front().size() - 6), "00FF00");
  EXPECT_EQ(rows.back().substr(0, 6), "0000FF");
  EXPECT_EQ(rows.back().substr(rows.back().size() - 6), "FFFF00");
  for (const std::string& row : rows) EXPECT_EQ(row.size(), 5 * 7 - 1u) << row;

  const RunResult big = Run({"mix", "--size", "128", "000000", "FFFFFF", "FFFFFF", "000000"});
  EXPECT_EQ(big.status, 0);
  EXPECT_EQ(std::count(big.out.begin(), big.out.end(), '\n'), 128);
  EXPECT_EQ(big.out.size(), std::size_t(128 * (128 * 7)));
}

TEST_F(CliTest, MixRefusesBadArgumentsWithStatus2) {
  const std::vector<BadArgsCase> cases{
      {{"mix"}, "four corner colours are needed, 0 given"},
      {{"mix", "FF0000", "00FF00", "0000FF"}, "four corner colours are needed, 3 given"},
      {{"mix", "FF0000", "00FF00", "0000FF", "000000", "FFFFFF"}, "too many colours"},
      {{"mix", "FF0000", "00FF00", "0000FF", "GG0000"}, "'GG0000' is not a six-digit hexadecimal colour"},
      {{"mix", "FF0000", "00FF00", "0000FF", "FFF"}, "'FFF' is not a six-digit hexadecimal colour"},
      {{"mix", "FF0000", "00FF00", "0000FF", "000000", "--size"}, "--size needs a number"},
      {{"mix", "FF0000", "00FF00", "0000FF", "000000", "--size", "x"}, "'x' is not an integer"},
      {{"mix", "FF0000", "00FF00", "0000FF", "000000", "--size", "1"}, "out of range (2 to 128)"},
      {{"mix", "FF0000", "00FF00", "0000FF", "000000", "--size", "129"}, "out of range (2 to 128)"},
      {{"mix", "FF0000", "00FF00", "0000FF", "000000", "--size", "99999999999999999999"}, "out of range (2 to 128)"},
      {{"mix", "FF0000", "00FF00", "0000FF", "000000", "--style", "rgb"}, "unknown option '--style'"},
  };
  for (const BadArgsCase& c : cases) {
    const RunResult r = Run(c.args);
    EXPECT_EQ(r.status, 2) << c.message;
    EXPECT_EQ(r.out, "") << c.message;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << c.message << ": " << r.err;
    EXPECT_NE(r.err.find("tintorium-cli mix --help"), std::string::npos) << c.message;
  }
  const RunResult help = Run({"mix", "--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("Usage: tintorium-cli mix C1 C2 C3 C4 [--size N]"), std::string::npos);
}

// --- Scheme tools -----------------------------------------------------------------------------------------------

std::string Hex(TColor c) { return HexText(ColorToRGBValues(c)); }

TEST_F(CliTest, VariationsPrintsTheStripFirstToLast) {
  const struct {
    std::vector<std::string> args;
    std::string expected;
  } cases[] = {
      {{"variations", "FF0000", "--type", "cool"}, "FF0000 FF0040 FF0080 FF00C0 FF00FF C000FF 8000FF 4000FF\n"},
      {{"variations", "#ff0000", "--type", "dark", "--size", "3"}, "FF0000 AB0000 570000\n"},
      {{"variations", "--size", "1", "0000FF", "--type", "warm"}, "0000FF\n"},
      {{"variations", "0000FF", "--type", "cool", "--size", "4"}, "0000FF 0000FF 0000FF 0000FF\n"},
  };
  for (const auto& c : cases) {
    const RunResult r = Run(c.args);
    EXPECT_EQ(r.status, 0) << c.args[1];
    EXPECT_EQ(r.out, c.expected) << c.args[1];
    EXPECT_EQ(r.err, "");
  }
}

TEST_F(CliTest, VariationsBatchAgreesWithTheLibrary) {
  std::string input, expected;
  std::mt19937 random(7);
  for (int i = 0; i < 300; ++i) {
    const TColor base = random() & 0xFFFFFF;
    const auto type = static_cast<TVariationType>(random() % VariationTypeCount);
    const int size = 1 + int(random() % 48);
    input += Hex(base) + " " + std::string(VariationTypeNames[type]) + " " + std::to_string(size) + (i % 2 ? "\r\n" : "\n");
    std::string line;
    for (const TColor c : VariationSwatches(base, type, size)) line += (line.empty() ? "" : " ") + Hex(c);
    expected += line + "\n";
  }
  const RunResult r = Run({"variations", "--batch"}, input);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, expected);
}

TEST_F(CliTest, VariationsBatchStopsAtTheFirstMalformedLine) {
  const struct {
    std::string bad;
    std::string message;
  } cases[] = {
      {"GG0000 warm 3", "line 2: 'GG0000' is not a colour RRGGBB"},
      {"FF0000 warmer 3", "line 2: 'warmer' is not a type"},
      {"FF0000 warm 0", "line 2: '0' is not a size from 1 to 1000"},
      {"FF0000 warm 3 4", "line 2: expected RRGGBB TYPE SIZE"},
      {"", "line 2: expected RRGGBB TYPE SIZE"},
      {std::string(5000, 'A'), "line 2: line too long"},
  };
  for (const auto& c : cases) {
    const RunResult r = Run({"variations", "--batch"}, "FF0000 dark 2\n" + c.bad + "\n00FF00 dark 2\n");
    EXPECT_EQ(r.status, 2) << c.bad;
    EXPECT_EQ(r.out, "FF0000 800000\n") << c.bad;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
  }
}

TEST_F(CliTest, SpectrumPrintsRowsTopFirst) {
  const RunResult small = Run({"spectrum", "rgb", "200", "0", "0", "--size", "3"});
  EXPECT_EQ(small.status, 0);
  EXPECT_EQ(small.out, "C80000 C87F00 C8FF00\nC8007F C87F7F C8FF7F\nC800FF C87FFF C8FFFF\n");

  // The default 101 cells, checked against the library with the colour set by the model's own setter.
  for (const auto& [model, fixed] : {std::pair{std::string("hsb"), 2}, std::pair{std::string("rgb"), 3}}) {
    const RunResult r = Run({"spectrum", model, "200", "40", "90", "--fixed", std::to_string(fixed)});
    ASSERT_EQ(r.status, 0) << r.err;
    TColorObject current;
    if (model == "hsb") current.SetHSB({200, 40, 90}); else current.SetRGB({200, 40, 90});
    const std::vector<TColor> cells = SpectrumCells(current, model == "hsb" ? cmHSB : cmRGB, fixed, 101);
    std::string expected;
    for (int row = 0; row < 101; ++row)
      for (int column = 0; column < 101; ++column)
        expected += Hex(cells[std::size_t(column) * 101 + std::size_t(row)]) + (column == 100 ? "\n" : " ");
    EXPECT_EQ(r.out, expected) << model;
  }
}

TEST_F(CliTest, SchemeCommandsRefuseBadArguments) {
  const std::vector<std::vector<std::string>> cases{
      {"variations"},
      {"variations", "FF0000"},
      {"variations", "FF00", "--type", "warm"},
      {"variations", "FF0000", "--type", "hot"},
      {"variations", "FF0000", "--type", "warm", "--size", "0"},
      {"variations", "FF0000", "--type", "warm", "--size", "x"},
      {"variations", "FF0000", "--type"},
      {"variations", "FF0000", "00FF00", "--type", "warm"},
      {"variations", "--batch", "extra"},
      {"spectrum"},
      {"spectrum", "cmyk", "1", "2", "3"},
      {"spectrum", "rgb", "1", "2"},
      {"spectrum", "rgb", "256", "0", "0"},
      {"spectrum", "hsb", "0", "101", "0"},
      {"spectrum", "hsb", "-1", "0", "0"},
      {"spectrum", "rgb", "1", "2", "3", "--fixed", "4"},
      {"spectrum", "rgb", "1", "2", "3", "--size", "1"},
      {"spectrum", "rgb", "1", "2", "3", "--size"},
      {"spectrum", "rgb", "1", "2", "3", "4"},
  };
  for (const auto& args : cases) {
    const RunResult r = Run(args);
    std::string joined;
    for (const std::string& a : args) joined += a + " ";
    EXPECT_EQ(r.status, 2) << joined;
    EXPECT_EQ(r.out, "") << joined;
    EXPECT_EQ(r.err.rfind("tintorium-cli " + args[0] + ": ", 0), 0u) << joined << r.err;
  }
  for (const char* command : {"variations", "spectrum"}) {
    const RunResult help = Run({command, "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind(std::string("Usage: tintorium-cli ") + command, 0), 0u);
  }
}

TEST_F(CliTest, WheelPrintsTheTwelveSegmentsWithTheirPaleColours) {
  const RunResult result = Run({"wheel", "#FF0000", "--style", "ryb"});
  ASSERT_EQ(result.status, 0) << result.err;
  std::istringstream lines(result.out);
  std::vector<std::string> segments;
  int index = 0;
  std::string segment, pale;
  while (lines >> index >> segment >> pale) segments.push_back(segment);
  EXPECT_EQ(segments, (std::vector<std::string>{"FF0000", "F700FF", "6800E6", "0015CC", "007BCC", "00CCAE",
                                                "00CC3E", "42E600", "FFFF00", "FFCC00", "FF9100", "FF4900"}));
  EXPECT_NE(result.out.find(" 0 FF0000 FFABAB\n"), std::string::npos);
}

TEST_F(CliTest, WheelListsAHarmonyInAddAllOrder) {
  EXPECT_EQ(Run({"wheel", "ff0000", "--harmony", "Square"}).out, "FF0000\n80FF00\n00FFFF\n8000FF\n");
  EXPECT_EQ(Run({"wheel", "808080", "--harmony", "complementary"}).out, "808080\n808080\n");
}

TEST_F(CliTest, WheelBatchWritesTwentyFourColoursPerLine) {
  const RunResult result = Run({"wheel", "--batch", "--style", "ryb"}, "FFFFFF\r\n  #000000\n");
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out,
            "FFFFFF E6E6E6 E6E6E6 E6E6E6 E6E6E6 E6E6E6 E6E6E6 E6E6E6 FFFFFF FFFFFF FFFFFF FFFFFF "
            "FFFFFF FFFFFF FFFFFF FFFFFF FFFFFF FFFFFF FFFFFF FFFFFF FFFFFF FFFFFF FFFFFF FFFFFF\n"
            "000000 000000 000000 000000 000000 000000 000000 000000 000000 000000 000000 000000 "
            "000000 000000 000000 000000 000000 000000 000000 000000 000000 000000 000000 000000\n");
}

TEST_F(CliTest, WheelRefusesBadArgumentsWithStatusTwo) {
  const std::vector<std::vector<std::string>> cases = {
      {"wheel"},
      {"wheel", "FF00"},
      {"wheel", "GG0000"},
      {"wheel", "FF0000", "--style"},
      {"wheel", "FF0000", "--style", "hsv"},
      {"wheel", "FF0000", "--harmony", "pentagon"},
      {"wheel", "FF0000", "00FF00"},
      {"wheel", "FF0000", "--frobnicate"},
      {"wheel", "--batch", "FF0000"},
      {"wheel", "--batch", "--harmony", "square"},
  };
  for (const auto& args : cases) {
    const RunResult result = Run(args);
    EXPECT_EQ(result.status, 2) << args.back();
    EXPECT_NE(result.err.find("tintorium-cli wheel: "), std::string::npos) << args.back();
    EXPECT_TRUE(result.out.empty()) << args.back();
  }
  const RunResult batch = Run({"wheel", "--batch"}, "FF0000\nnot a colour\n00FF00\n");
  EXPECT_EQ(batch.status, 2);
  EXPECT_NE(batch.err.find("line 2: "), std::string::npos) << batch.err;
  EXPECT_EQ(std::count(batch.out.begin(), batch.out.end(), '\n'), 1);
  EXPECT_EQ(Run({"wheel", "--help"}).status, 0);
}

// --- library ----------------------------------------------------------------------------------------------------

// The shipped folder is the build tree's data; the user's folder lives under a private XDG_DATA_HOME.
class LibraryCliTest : public CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    userFolder_ = dir_ / "data" / "Tintorium" / "Tintorium" / "Palettes";
    ::setenv("XDG_DATA_HOME", (dir_ / "data").c_str(), 1);
  }
  void TearDown() override {
    ::unsetenv("XDG_DATA_HOME");
    CliTest::TearDown();
  }
  void WriteUserLibrary(const std::string& name, const std::string& bytes) {
    std::filesystem::create_directories(userFolder_);
    std::ofstream(userFolder_ / name, std::ios::binary) << bytes;
  }
  std::filesystem::path userFolder_;
};

TEST_F(LibraryCliTest, ListsTheShippedFolderThenTheUsersOwnMarkingWhatAnEarlierFolderHides) {
  const RunResult missing = Run({"library", "list"});
  ASSERT_EQ(missing.status, 0) << missing.err;
  EXPECT_NE(missing.out.find("/Palettes\n\tCSS Named Colors.aco\n\tOpen Color.aco\n\tTailwind CSS.aco\n"
                             "\tWeb Hues.aco\n\tWeb Safe.aco\n\tWeb Smart.aco\n\tX11 Colors.aco\n"),
            std::string::npos)
      << missing.out;
  EXPECT_NE(missing.out.find(userFolder_.string() + " (missing)\n"), std::string::npos) << missing.out;

  WriteUserLibrary("web safe.ACO", "");
  WriteUserLibrary("Mine.gpl", "GIMP Palette\n1 2 3 One\n");
  const RunResult listed = Run({"library", "list"});
  EXPECT_NE(listed.out.find(userFolder_.string() + "\n\tweb safe.ACO (hidden)\n\tMine.gpl\n"), std::string::npos)
      << listed.out;
}

TEST_F(LibraryCliTest, ShowsALibraryByNameFromAnyFolderOrByPath) {
  WriteUserLibrary("Mine.gpl", "GIMP Palette\n1 2 3 One\n");
  const struct {
    std::vector<std::string> args;
    int status;
    std::string out, err;
  } cases[] = {
      {{"library", "show", "mine.GPL"}, 0, "One\tRGB\tR:1 G:2 B:3\t010203\n", ""},
      {{"library", "show", (userFolder_ / "Mine.gpl").string()}, 0, "One\tRGB\tR:1 G:2 B:3\t010203\n", ""},
      {{"library", "show", "Gone.aco"}, 1, "", "Gone.aco: File not found"},
      {{"library", "show"}, 2, "", "usage: tintorium-cli library show NAME"},
      {{"library", "paint"}, 2, "", "unknown action 'paint'"},
  };
  for (const auto& c : cases) {
    const RunResult r = Run(c.args);
    EXPECT_EQ(r.status, c.status) << c.args.back();
    EXPECT_EQ(r.out, c.out) << c.args.back();
    EXPECT_NE(r.err.find(c.err), std::string::npos) << c.args.back() << ": " << r.err;
  }
  const RunResult hues = Run({"library", "show", "Web Hues.aco"});
  EXPECT_EQ(std::count(hues.out.begin(), hues.out.end(), '\n'), 216);
  EXPECT_EQ(hues.out.substr(0, hues.out.find('\n')), "FF0000\tRGB\tR:255 G:0 B:0\tFF0000");
}

}  // namespace
}  // namespace tintorium
