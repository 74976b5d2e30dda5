#include "menus/model/file_information.h"

#include <cstdint>
#include <cstdio>
#include <optional>

namespace vantrel {
namespace {

constexpr std::size_t kShortPathBuffer = 300;
constexpr std::string_view kStringFileInfo = "\\StringFileInfo\\";

std::optional<std::size_t> Find(std::string_view text, char c) {
  const std::size_t at = text.find(c);
  return at == std::string_view::npos ? std::nullopt : std::optional<std::size_t>(at);
}

std::optional<std::size_t> FindLast(std::string_view text, char c) {
  const std::size_t at = text.rfind(c);
  return at == std::string_view::npos ? std::nullopt : std::optional<std::size_t>(at);
}

std::string NamePart(std::string_view path, bool wholeWithoutSeparator) {
  if (const auto slash = FindLast(path, '\\')) return std::string(path.substr(*slash + 1));
  if (const auto colon = Find(path, ':')) return std::string(path.substr(*colon + 1));
  return wholeWithoutSeparator ? std::string(path) : std::string();
}

}  // namespace

std::string TextUpToNul(std::string_view buffer) { return std::string(buffer.substr(0, buffer.find('\0'))); }

std::string GetShortFileName(std::string_view strLongPath, const FileInformationService& files) {
  const auto buffer = files.ShortPathBuffer(strLongPath, kShortPathBuffer);
  return buffer ? TextUpToNul(*buffer) : std::string(strLongPath);
}

std::string GetFileDescription(std::string_view sFile, const FileInformationService& files) {
  const long size = files.VersionInfoSize(sFile);
  if (size <= 0) return {};
  const auto block = files.ReadVersionInfo(sFile, size);
  if (!block) return {};
  const std::string language = GetVersionLanguage(*block);
  const auto description = block->Query(language + "\\FileDescription");
  return description ? TextUpToNul(*description) : std::string();
}

std::string GetVersionLanguage(const VersionBlock& versionBlock) {
  const auto translations = versionBlock.Query("\\VarFileInfo\\Translation");
  if (!translations) return {};
  // Each entry is a language word followed by a code page word; read as one
  // little-endian 32-bit number, its hexadecimal text is code page then
  // language, and the string table is named language then code page.
  for (std::size_t at = 0; at + 4 <= translations->size(); at += 4) {
    std::uint32_t entry = 0;
    for (std::size_t i = 0; i < 4; ++i) {
      entry |= static_cast<std::uint32_t>(static_cast<unsigned char>((*translations)[at + i])) << (8 * i);
    }
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08X", static_cast<unsigned>(entry));
    const std::string_view hex(digits, 8);
    std::string path(kStringFileInfo);
    path.append(hex.substr(4, 4)).append(hex.substr(0, 4));
    if (versionBlock.Query(path)) return path;
  }
  std::string fallback = std::string(kStringFileInfo) + "040904E4";
  return versionBlock.Query(fallback) ? fallback : std::string();
}

std::string PathPart(std::string_view path, std::string_view part) {
  if (path.empty() || part.size() != 1) return {};
  switch (part[0]) {
    case 'D': {
      if (const auto colon = Find(path, ':')) return std::string(path.substr(0, *colon + 1)) + "\\";
      if (path.substr(0, 2) == "\\\\") {
        const std::size_t next = path.find('\\', 2);
        if (next == std::string_view::npos) return std::string(path) + "\\";
        return std::string(path.substr(0, next + 1));
      }
      return {};
    }
    case 'P': {
      if (const auto slash = FindLast(path, '\\')) return std::string(path.substr(0, *slash)) + "\\";
      if (const auto colon = Find(path, ':')) return std::string(path.substr(0, *colon + 1)) + "\\";
      return {};
    }
    case 'N':
      return NamePart(path, false);
    case 'E': {
      const auto dot = FindLast(path, '.');
      if (!dot || path.find('\\', *dot) != std::string_view::npos) return {};
      return std::string(path.substr(*dot + 1));
    }
    case 'm': {
      const std::string name = NamePart(path, true);
      const std::size_t dot = name.rfind('.');
      // A leading "." (position 1) starts a name, it does not end one.
      if (dot == std::string::npos || dot == 0) return {};
      return name.substr(0, dot);
    }
    default:
      return {};
  }
}

}  // namespace vantrel
