#include "store/autostart.h"

#include "store/program_files.h"

namespace vantrel {

std::string AutostartCommand(std::string_view programFolder) {
  return ProgramFilePath(programFolder, kAutostartExeName);
}

bool WriteRegistryString(Registry& registry, RegistryRoot root, std::string_view subkey,
                         std::string_view name, std::string_view text) {
  return registry.SetString(root, subkey, name, text);
}

bool DeleteRegistryValue(Registry& registry, RegistryRoot root, std::string_view subkey,
                         std::string_view name) {
  return registry.DeleteValue(root, subkey, name);
}

AutostartPlace SetAutostartEntry(Registry& registry, std::string_view name,
                                 std::string_view command) {
  if (WriteRegistryString(registry, RegistryRoot::LocalMachine, kRunKey, name, command)) {
    DeleteRegistryValue(registry, RegistryRoot::CurrentUser, kRunKey, name);
    return AutostartPlace::MachineWide;
  }
  if (WriteRegistryString(registry, RegistryRoot::CurrentUser, kRunKey, name, command))
    return AutostartPlace::CurrentUser;
  return AutostartPlace::None;
}

bool RemoveAutostartEntry(Registry& registry, std::string_view name) {
  DeleteRegistryValue(registry, RegistryRoot::LocalMachine, kRunKey, name);
  DeleteRegistryValue(registry, RegistryRoot::CurrentUser, kRunKey, name);
  return !registry.HasValue(RegistryRoot::LocalMachine, kRunKey, name) &&
         !registry.HasValue(RegistryRoot::CurrentUser, kRunKey, name);
}

}  // namespace vantrel
