#pragma once

#include <QString>

#include <string>

#include "framework/Host.h"

namespace cadmira::app {

// The file dialog that picks a configuration file to read: Import, and Compare with a file.
framework::FileDialogRequest OpenConfigFileRequest();
// The dialog that names the configuration file Export writes.
framework::FileDialogRequest ExportConfigFileRequest();

// A path from a file dialog as the file system spells it.
std::string FileSystemPath(const QString& path);

}  // namespace cadmira::app
