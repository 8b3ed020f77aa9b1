#pragma once
// Runs the built tintorium-cli as a user's script would: arguments quoted for the shell, standard input from a
// file, standard output and error caught, each test in a temporary folder of its own.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tintorium::test {

struct RunResult {
  int status = -1;
  std::string out;
  std::string err;
};

inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

inline std::string ShellQuoted(const std::string& arg) {
  std::string quoted = "'";
  for (const char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

class CliRunnerTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("tintorium-cli-test-" + std::to_string(::getpid()) + "-" +
            testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  /// The test's own folder, removed afterwards.
  const std::filesystem::path& Dir() const { return dir_; }

  /// `environment` goes before the command (a locale, say).
  RunResult Run(const std::vector<std::string>& args, const std::string& input = "",
                const std::string& environment = "") {
    {
      std::ofstream in(dir_ / "in", std::ios::binary);
      in << input;
    }
    std::string command = environment + " " + ShellQuoted(TINTORIUM_CLI);
    for (const std::string& arg : args) command += " " + ShellQuoted(arg);
    command += " <" + ShellQuoted((dir_ / "in").string()) + " >" + ShellQuoted((dir_ / "out").string()) + " 2>" +
               ShellQuoted((dir_ / "err").string());
    RunResult result;
    const int raw = std::system(command.c_str());
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = ReadFile(dir_ / "out");
    result.err = ReadFile(dir_ / "err");
    return result;
  }

  std::filesystem::path dir_;
};

}  // namespace tintorium::test
