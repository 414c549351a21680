// The screenshot tour: every mode of the options sheet with every tab, and
// the import-destination dialog, each captured to a BMP file and cancelled.
#pragma once
#include <string>
#include <vector>

#include "host/module_loader.h"

namespace host {

// Files are named <mode>-<tab>.bmp and lumora.bmp inside folder. paths are
// the three LibRoot folders passed to the sheet (mode 0 gets the first).
// Returns false when any window could not be opened, visited or captured;
// files lists what was written either way.
bool TakeScreenshots(const OptionsModule& module, const std::string& folder,
                     const std::string (&paths)[3], std::vector<std::string>& files);

}  // namespace host
