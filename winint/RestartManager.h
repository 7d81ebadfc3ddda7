#pragma once
// Who holds a file open, as the system's Restart Manager can tell.
#include <string>
#include <vector>

// The names of the programs that use the file, as Windows shows them; empty when
// the system cannot tell.
std::vector<std::wstring> ProgramsUsingFile(const std::wstring& path);
