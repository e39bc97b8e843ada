// WMI_GetAll from start to end: COM started, WMIConfig.ini found, the output
// folder made, ZyWmi.ini started empty, the twelve classes written one after
// the other (a class that cannot be read is reported and left out, the
// others go on), and the pages made by the HTML generator.
#pragma once

#include "InfoPaths.h"

#include <string>
#include <string_view>
#include <vector>

#include "core/WmiHost.h"

namespace vantor::wmi {

inline constexpr std::string_view kComFailedText = "Initialize OLE Fail !!";
inline constexpr std::string_view kNoConfigText = "Can't Open WMIConfig.ini file !!";
inline constexpr std::string_view kNoHtmlEngineText = "Open ZyHtmlEngine.dll error !!";
inline constexpr std::string_view kMessageCaption = "Message";
inline constexpr std::string_view kLibraryCaption = "ZyWmi.dll";
inline constexpr std::string_view kErrorCaption = "Error Message";

// "Enumerate Device <class> Fail !!".
std::string EnumerateFailedText(std::string_view className);

using infoini::FolderPrefixes;

// The whole call. False when the INI path does not fit its buffer (nothing
// is done then), when COM cannot be started on this thread, when
// WMIConfig.ini cannot be opened, when the last class cannot be read, or when
// the HTML generator cannot be loaded; otherwise the generator's result.
bool WmiGetAll(WmiHost& host, std::string_view outputFolder);

}  // namespace vantor::wmi
