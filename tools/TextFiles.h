// Whole-file reading and writing for the program, with failures that name the file.
#pragma once

#include <string>

namespace fuzzy::tool {

// The file's bytes; TCheckFailure "FILE: cannot read: reason" when it cannot be opened.
std::string ReadTextFile(const std::string& path);
// Replaces the file's content; TCheckFailure naming the file when it cannot be written.
void WriteTextFile(const std::string& path, const std::string& text);
// The absolute form of `path`, for telling the user where a file went.
std::string AbsolutePath(const std::string& path);

}  // namespace fuzzy::tool
