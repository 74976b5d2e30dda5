// The driver's actions that look at Vantrel as it is shipped (manifest,
// version, loaded modules, tray icon) and click as a user does.
#ifndef VANTREL_TESTS_E2E_DRIVER_RELEASE_H
#define VANTREL_TESTS_E2E_DRIVER_RELEASE_H

#include <windows.h>

#include <string>

// The n-th child (0 first) of PARENT of class CLS; null when there is none.
HWND NthChild(HWND parent, const char* cls, int n);

inline constexpr int kNotAReleaseAction = -1;

// Runs ACTION with the driver's arguments; kNotAReleaseAction when the
// action is not one of these.
int RunReleaseAction(const std::string& action, int argc, char** argv);

#endif  // VANTREL_TESTS_E2E_DRIVER_RELEASE_H
