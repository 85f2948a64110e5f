// Files and folders made by tests, under the temporary folder.
#pragma once
#include <string>

// A fresh, empty folder named for the test; returned with a trailing backslash.
std::string ScratchFolder(const std::string& name);

void WriteFileBytes(const std::string& path, const std::string& bytes);
std::string ReadFileBytes(const std::string& path);
bool FileExists(const std::string& path);

// A file of the size that takes no disk space and no time to make.
void MakeSparseFile(const std::string& path, long long size);
