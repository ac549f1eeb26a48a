#include "tools/TextFiles.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tools/ToolErrors.h"

namespace fuzzy::tool {

namespace {

std::string Reason() {
  return errno != 0 ? std::strerror(errno) : "unknown error";
}

}  // namespace

std::string ReadTextFile(const std::string& path) {
  errno = 0;
  if (std::filesystem::is_directory(path)) {
    throw TCheckFailure(Located(path, 0, "cannot read: it is a directory"));
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) throw TCheckFailure(Located(path, 0, "cannot read: " + Reason()));
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteTextFile(const std::string& path, const std::string& text) {
  errno = 0;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) throw TCheckFailure(Located(path, 0, "cannot write: " + Reason()));
  out << text;
  out.close();
  if (!out) throw TCheckFailure(Located(path, 0, "cannot write: " + Reason()));
}

std::string AbsolutePath(const std::string& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return error ? path : absolute.lexically_normal().string();
}

}  // namespace fuzzy::tool
