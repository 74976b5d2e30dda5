#pragma once

#include <string>

namespace vantrel {

// The folder of the running executable, without a trailing backslash.
std::string ExecutableFolder();

}  // namespace vantrel
