// The driver's look at Vantrel as it is shipped: the executable's manifest
// and version as Windows reads them, the modules the running program loaded,
// its tray icon, and input as a user gives it.
//
//   driver.exe manifest EXE                  the manifest as the system parsed it:
//                                            "run-level as-invoker|highest|admin|unspecified ui-access 0|1",
//                                            one "supported-os {GUID}" per entry, "dpi-aware VALUE"
//   driver.exe version-info EXE              "file-version A.B.C.D", "product-version A.B.C.D" (fixed
//                                            part), then "FileVersion ...", "ProductVersion ...",
//                                            "FileDescription ...", "ProductName ..." in UTF-8
//   driver.exe module-version CLASS DLL      the file and version of DLL as loaded by the
//                                            program that owns the window CLASS: "PATH A.B.C.D"
//   driver.exe tray-icon CLASS ID            exit 0 when the shell holds the tray icon ID of CLASS
//   driver.exe mouse-click CLASS FRAME X Y   a left click at client X, Y of the top-level CLASS
//                                            (FRAME -1) or of its page FRAME, through SendInput
//   driver.exe text CLASS FRAME CTLCLASS N   prints the text of a control (see driver.cpp)
#include "driver_release.h"
#include "support/send_input.h"

#include <windows.h>
#include <psapi.h>
#include <shellapi.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <memory>
#include <string>
#include <vector>

namespace {

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                       nullptr);
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
  return out;
}

std::wstring Wide(const char* text) {
  const int size = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  std::wstring out(static_cast<size_t>(size > 0 ? size : 1), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text, -1, out.data(), size);
  out.resize(std::wcslen(out.c_str()));
  return out;
}

std::string GuidText(const GUID& g) {
  char text[64];
  std::snprintf(text, sizeof text, "{%08lx-%04x-%04x-%02x%02x-%02x%02x%02x%02x%02x%02x}",
                static_cast<unsigned long>(g.Data1), g.Data2, g.Data3, g.Data4[0], g.Data4[1], g.Data4[2], g.Data4[3],
                g.Data4[4], g.Data4[5], g.Data4[6], g.Data4[7]);
  return text;
}

std::string VersionText(DWORD high, DWORD low) {
  char text[64];
  std::snprintf(text, sizeof text, "%u.%u.%u.%u", static_cast<unsigned>(HIWORD(high)),
                static_cast<unsigned>(LOWORD(high)), static_cast<unsigned>(HIWORD(low)),
                static_cast<unsigned>(LOWORD(low)));
  return text;
}

struct ActCtxCloser {
  void operator()(HANDLE context) const { ReleaseActCtx(context); }
};
using ActCtx = std::unique_ptr<void, ActCtxCloser>;

int PrintManifest(const char* exe) {
  const std::wstring path = Wide(exe);
  ACTCTXW request{};
  request.cbSize = sizeof request;
  request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
  request.lpSource = path.c_str();
  request.lpResourceName = MAKEINTRESOURCEW(1);
  HANDLE created = CreateActCtxW(&request);
  if (created == INVALID_HANDLE_VALUE) {
    std::printf("no manifest (error %lu)\n", GetLastError());
    return 1;
  }
  const ActCtx context(created);

  ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION level{};
  if (QueryActCtxW(0, context.get(), nullptr, RunlevelInformationInActivationContext, &level, sizeof level,
                   nullptr)) {
    const char* names[] = {"unspecified", "as-invoker", "highest", "admin"};
    const auto index = static_cast<unsigned>(level.RunLevel);
    std::printf("run-level %s ui-access %lu\n", index < 4 ? names[index] : "unknown",
                static_cast<unsigned long>(level.UiAccess));
  }

  // Two layouts of the entries exist: the first systems' (a GUID and a type)
  // and the current one, which adds an 8-byte "max version tested" and so
  // aligns the entries to 8. The size the system reports tells which.
  std::vector<unsigned char> buffer(4096);
  SIZE_T filled = 0;
  if (!QueryActCtxW(0, context.get(), nullptr, CompatibilityInformationInActivationContext, buffer.data(),
                    buffer.size(), &filled) ||
      filled < sizeof(DWORD)) {
    std::printf("supported-os unreadable (error %lu)\n", GetLastError());
  } else {
    DWORD count = 0;
    std::memcpy(&count, buffer.data(), sizeof count);
    struct Layout {
      size_t first, size;
    };
    const Layout current{8, 32}, first{4, 20};
    const Layout layout = filled == current.first + count * current.size ? current : first;
    for (DWORD i = 0; i < count && layout.first + (i + 1) * layout.size <= filled; ++i) {
      const unsigned char* element = buffer.data() + layout.first + i * layout.size;
      GUID id{};
      DWORD type = 0;
      std::memcpy(&id, element, sizeof id);
      std::memcpy(&type, element + sizeof id, sizeof type);
      if (type == ACTCTX_COMPATIBILITY_ELEMENT_TYPE_OS) std::printf("supported-os %s\n", GuidText(id).c_str());
    }
  }

  wchar_t value[64] = {};
  SIZE_T written = 0;
  if (QueryActCtxSettingsW(0, context.get(), nullptr, L"dpiAware", value, 64, &written))
    std::printf("dpi-aware %s\n", Utf8(value).c_str());
  else
    std::printf("dpi-aware (none)\n");
  return 0;
}

int PrintVersionInfo(const char* exe) {
  const std::wstring path = Wide(exe);
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  if (size == 0) return 1;
  std::vector<unsigned char> data(size);
  if (!GetFileVersionInfoW(path.c_str(), 0, size, data.data())) return 1;
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) || !fixed) return 1;
  std::printf("file-version %s\n", VersionText(fixed->dwFileVersionMS, fixed->dwFileVersionLS).c_str());
  std::printf("product-version %s\n", VersionText(fixed->dwProductVersionMS, fixed->dwProductVersionLS).c_str());

  struct Translation {
    WORD language, codePage;
  }* translations = nullptr;
  if (!VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations), &length) ||
      length < sizeof(Translation))
    return 1;
  wchar_t block[64];
  std::swprintf(block, 64, L"\\StringFileInfo\\%04x%04x\\", translations[0].language, translations[0].codePage);
  for (const wchar_t* name : {L"FileVersion", L"ProductVersion", L"FileDescription", L"ProductName"}) {
    wchar_t* text = nullptr;
    const std::wstring key = std::wstring(block) + name;
    if (VerQueryValueW(data.data(), key.c_str(), reinterpret_cast<void**>(&text), &length) && text)
      std::printf("%s %s\n", Utf8(name).c_str(), Utf8(text).c_str());
  }
  return 0;
}

struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using Handle = std::unique_ptr<void, HandleCloser>;

int PrintModuleVersion(const char* windowClass, const char* dll) {
  HWND window = FindWindowA(windowClass, nullptr);
  if (!window) return 1;
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  const Handle process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
  if (!process) return 1;
  std::vector<HMODULE> modules(512);
  DWORD needed = 0;
  if (!EnumProcessModulesEx(process.get(), modules.data(), static_cast<DWORD>(modules.size() * sizeof(HMODULE)),
                            &needed, LIST_MODULES_ALL))
    return 1;
  modules.resize(std::min<size_t>(modules.size(), needed / sizeof(HMODULE)));
  const std::wstring wanted = Wide(dll);
  for (HMODULE module : modules) {
    wchar_t path[MAX_PATH] = {};
    if (!GetModuleFileNameExW(process.get(), module, path, MAX_PATH)) continue;
    const wchar_t* slash = std::wcsrchr(path, L'\\');
    if (_wcsicmp(slash ? slash + 1 : path, wanted.c_str()) != 0) continue;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
    std::vector<unsigned char> data(size ? size : 1);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (size && GetFileVersionInfoW(path, 0, size, data.data()) &&
        VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) && fixed)
      std::printf("%s %s\n", Utf8(path).c_str(), VersionText(fixed->dwFileVersionMS, fixed->dwFileVersionLS).c_str());
    else
      std::printf("%s (no version)\n", Utf8(path).c_str());
    return 0;
  }
  return 1;
}

// Asks the shell to change nothing about the icon: it agrees only when it
// holds an icon of that window and number.
int CheckTrayIcon(const char* windowClass, int id) {
  HWND window = FindWindowA(windowClass, nullptr);
  if (!window) return 1;
  NOTIFYICONDATAA icon{};
  icon.cbSize = sizeof icon;
  icon.hWnd = window;
  icon.uID = static_cast<UINT>(id);
  icon.uFlags = 0;
  return Shell_NotifyIconA(NIM_MODIFY, &icon) ? 0 : 1;
}


HWND Frame(const char* top, int frame) {
  HWND window = FindWindowA(top, nullptr);
  if (window && frame >= 0) window = NthChild(window, "VantrelPage", frame);
  return window;
}

// A click as the user makes it: the pointer goes there and the button goes
// down and up at that place (each event carries its position, so none lands
// where the pointer was before).
int MouseClick(const char* top, int frame, int x, int y) {
  HWND window = Frame(top, frame);
  if (!window) return 1;
  POINT at{x, y};
  ClientToScreen(window, &at);
  vantrel::test::ClickScreen(at);
  return 0;
}

int PrintText(const char* top, int frame, const char* cls, int n) {
  HWND parent = Frame(top, frame);
  HWND control = parent ? NthChild(parent, cls, n) : nullptr;
  if (!control) return 1;
  char text[1024] = {};
  SendMessageA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  std::printf("%s\n", text);
  return 0;
}

}  // namespace

HWND NthChild(HWND parent, const char* cls, int n) {
  HWND child = nullptr;
  for (int i = 0; i <= n; ++i) {
    child = FindWindowExA(parent, child, cls, nullptr);
    if (!child) return nullptr;
  }
  return child;
}

int RunReleaseAction(const std::string& action, int argc, char** argv) {
  const auto arg = [&](int i) { return i < argc ? argv[i] : ""; };
  if (action == "manifest") return PrintManifest(arg(2));
  if (action == "version-info") return PrintVersionInfo(arg(2));
  if (action == "module-version") return PrintModuleVersion(arg(2), arg(3));
  if (action == "tray-icon") return CheckTrayIcon(arg(2), std::atoi(arg(3)));
  if (action == "mouse-click") return MouseClick(arg(2), std::atoi(arg(3)), std::atoi(arg(4)), std::atoi(arg(5)));
  if (action == "text") return PrintText(arg(2), std::atoi(arg(3)), arg(4), std::atoi(arg(5)));
  return kNotAReleaseAction;
}
