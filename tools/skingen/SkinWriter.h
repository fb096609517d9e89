#pragma once
// Writes a skin into a folder, as the entries of its package:
// skin.ini (copied from its source) and every bitmap, drawn afresh. The same
// input gives the same bytes on every run.
#include <string>
#include <vector>

// Creates outDir when needed and returns the names of the files written.
// Throws Exception when the description cannot be read or a file cannot be
// written.
std::vector<std::string> WriteSkin(const std::string& iniSource, const std::string& outDir);
