// File facts for the generated file and drive items: short paths, the
// description from a file's version information, and the parts of a path.
#pragma once

#include <string>
#include <string_view>

#include "platform/file_information.h"

namespace vantrel {

// The text of a fixed-length buffer: up to its first character 0, or the
// whole text when it has none.
std::string TextUpToNul(std::string_view buffer);

// The short form of a path; the path unchanged when the system has none.
std::string GetShortFileName(std::string_view strLongPath, const FileInformationService& files);

// The "FileDescription" of a file's version information; "" when it has none.
std::string GetFileDescription(std::string_view sFile, const FileInformationService& files);

// The path of the block's string table, "\StringFileInfo\040C04E4": the
// first language and code page of its translation table that has one, else
// "040904E4" when present; "" otherwise.
std::string GetVersionLanguage(const VersionBlock& versionBlock);

// One part of a path: "D" drive ("C:\"), "P" folder ("C:\Dir\"), "N" name
// ("File.Txt"), "E" extension ("Txt"), "m" name without extension ("File").
// "" for an empty path or any other part letter.
std::string PathPart(std::string_view path, std::string_view part);

}  // namespace vantrel
