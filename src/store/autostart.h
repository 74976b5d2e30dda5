// Starting the program with Windows: the value "Vantrel" under the Run key.
#pragma once

#include <string>
#include <string_view>

#include "platform/registry.h"

namespace vantrel {

inline constexpr std::string_view kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr std::string_view kAutostartValueName = "Vantrel";

// The command stored: the program folder followed by "\Vantrel.exe", the
// fixed name, without quotes or arguments.
std::string AutostartCommand(std::string_view programFolder);

// Creates subkey under root when missing and sets name to text (REG_SZ).
bool WriteRegistryString(Registry& registry, RegistryRoot root, std::string_view subkey,
                         std::string_view name, std::string_view text);
// Deletes value name of subkey under root.
bool DeleteRegistryValue(Registry& registry, RegistryRoot root, std::string_view subkey,
                         std::string_view name);

enum class AutostartPlace { None, MachineWide, CurrentUser };

// Writes the value under the machine-wide Run key. A standard user may not
// write there; the value then goes under the current user's Run key, which
// starts the program for that user just as well. Once the machine-wide
// write succeeds, a value left under the user's key by an earlier fallback
// is removed, so the program is never started twice. Returns where the
// value was written, None when neither write succeeded.
AutostartPlace SetAutostartEntry(Registry& registry, std::string_view name,
                                 std::string_view command);

// Removes the value from both Run keys; a missing value is no failure.
// True when neither key holds it afterwards, false when the program still
// starts with Windows (a value the user may not delete).
bool RemoveAutostartEntry(Registry& registry, std::string_view name);

}  // namespace vantrel
