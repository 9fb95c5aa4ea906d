// Reading a base file for a command, and the explanation tmk gives when the program would
// not open it: the program's own message and where and why the file goes wrong.
#pragma once

#include "base/base_file.h"
#include "base/recept.h"

#include <ostream>
#include <string>
#include <vector>

namespace timyanka::tmk {

// The lines (each ending in '\n') that explain a failed load of `path`; empty for Ok.
std::string DescribeLoadFailure(const std::string& path, const base::LoadResult& r);

// Reads `path` with the program's capacity; on failure writes the explanation to `err`.
bool ReadBaseForCommand(const std::string& path, std::vector<base::TRecept>& out,
                        std::ostream& err);

} // namespace timyanka::tmk
