// Shell shortcuts made the way the shell makes them.
#pragma once
#include <string>

// Needs COM on the calling thread.
bool MakeShortcut(const std::string& linkPath, const std::string& targetPath);
