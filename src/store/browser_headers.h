// The user's own browser title headers, "Vantrel-Url.ini": despite its name
// a plain text file, one header per line, CR LF line ends.
#pragma once

#include <string>
#include <string_view>

#include "platform/controls.h"
#include "platform/file_system.h"

namespace vantrel {

// The program folder followed by "\Vantrel-Url.ini".
std::string BrowserHeaderFilePath(std::string_view programFolder);

// Replaces the file with every entry of the header list, in order. The old
// file stays whole until the new one is complete. False when it could not
// be written.
bool WriteBrowserHeaders(FileSystem& files, std::string_view path, const ListControl& list5);

// When the file exists and can be read, empties the header list and fills
// it with the file's lines in order, untrimmed, empty lines included, and
// returns true. Otherwise the list keeps its entries.
bool LoadBrowserHeaders(const FileSystem& files, std::string_view path, ListControl& list5);

}  // namespace vantrel
