// Runs the built `fuzzy` program for the end-to-end tests and collects what it did.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace fuzzy::tool::test {

struct TRunResult {
  int ExitStatus = -1;
  std::string Out;
  std::string Err;
};

// Runs the program with `arguments` in `workDirectory`, `input` (when not empty) on its
// standard input. A sanitizer report on standard error
// fails the current test, whatever the exit status.
TRunResult RunFuzzy(const std::vector<std::string>& arguments,
                    const std::filesystem::path& workDirectory, const std::string& input = "");

// A file of the source tree, e.g. SourceFile("examples/tipping.fzy").
std::string SourceFile(const std::string& relative);
// An empty directory of the current test's own.
std::filesystem::path FreshDirectory();
std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& text);

// A test that runs the program in a directory of its own, removed afterwards unless the test
// failed (so that what the program wrote can be looked at).
template <class TBase = ::testing::Test>
class TProgramFixture : public TBase {
 protected:
  void SetUp() override { FDirectory = FreshDirectory(); }
  void TearDown() override {
    if (::testing::Test::HasFailure()) return;
    std::error_code ignored;
    std::filesystem::remove_all(FDirectory, ignored);
    std::filesystem::remove(FDirectory.parent_path(), ignored);  // only when no test is left
  }
  TRunResult Run(const std::vector<std::string>& arguments, const std::string& input = "") const {
    return RunFuzzy(arguments, FDirectory, input);
  }
  // A file in the test's directory.
  std::string InDir(const std::string& name) const { return (FDirectory / name).string(); }
  std::string Write(const std::string& name, const std::string& text) const {
    WriteFile(FDirectory / name, text);
    return InDir(name);
  }

 private:
  std::filesystem::path FDirectory;
};

}  // namespace fuzzy::tool::test
