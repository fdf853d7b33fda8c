#pragma once
// The texts a judgment data file that cannot be judged is refused with.

#include <string>

namespace judge {

// Error values 1 (memory), 2 (not a judgment data file), 3 (bad contents),
// any other value the generic text; CArboDoc::kOpenFailed names the file
// that could not be opened or ended early.
std::string GetStartupErrorText(int error, const std::string& path);

}  // namespace judge
