#include "tools/tests/ProgramRunner.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace fuzzy::tool::test {

namespace {

std::string Quoted(const std::string& word) {
  std::string quoted = "'";
  for (const char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

bool HasSanitizerReport(const std::string& err) {
  return err.find("Sanitizer") != std::string::npos ||
         err.find("runtime error:") != std::string::npos;
}

}  // namespace

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteFile(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::string SourceFile(const std::string& relative) {
  return std::string(FUZZY_SOURCE_DIR) + "/" + relative;
}

std::filesystem::path FreshDirectory() {
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(test->test_suite_name()) + "." + test->name();
  for (char& c : name) {
    if (c == '/') c = '_';
  }
  const std::filesystem::path directory = std::filesystem::temp_directory_path() /
                                          ("fuzzy-program-tests-" + std::to_string(::getpid())) /
                                          name;
  std::filesystem::remove_all(directory);
  std::filesystem::create_directories(directory);
  return directory;
}

TRunResult RunFuzzy(const std::vector<std::string>& arguments,
                    const std::filesystem::path& workDirectory, const std::string& input) {
  const std::filesystem::path out = workDirectory / "stdout.txt";
  const std::filesystem::path err = workDirectory / "stderr.txt";
  std::string command = "cd " + Quoted(workDirectory.string()) + " && " + Quoted(FUZZY_PROGRAM);
  for (const std::string& argument : arguments) command += " " + Quoted(argument);
  command += " >" + Quoted(out.string()) + " 2>" + Quoted(err.string());
  if (!input.empty()) {
    const std::filesystem::path in = workDirectory / "stdin.txt";
    WriteFile(in, input);
    command += " <" + Quoted(in.string());
  }
  const int status = std::system(command.c_str());
  TRunResult result;
  result.ExitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.Out = ReadFile(out);
  result.Err = ReadFile(err);
  if (HasSanitizerReport(result.Err)) ADD_FAILURE() << "sanitizer report:\n" << result.Err;
  return result;
}

}  // namespace fuzzy::tool::test
