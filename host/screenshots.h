// The screenshot tour: every mode of the options sheet with every tab, the
// scanner page with its Binder list dropped down, the condition-name dialog,
// a layer-rule message, one template preview per condition page, and the
// import-destination dialog, each captured to a BMP file. Every window is
// backed out of (Cancel, OK on a message, the sheet cancelled), so the tour
// writes nothing but the pictures.
#pragma once
#include <string>
#include <vector>

#include "host/module_loader.h"

namespace host {

// Files inside folder: <mode>-<tab>.bmp, 1-0-binders.bmp, 1-0-name.bmp,
// 1-0-rule.bmp, 1-<tab>-preview.bmp (tabs 0 to 2) and lumora.bmp. paths are
// the three LibRoot folders passed to the sheet (mode 0 gets the first).
// Returns false when any window could not be opened, visited or captured;
// files lists what was written either way.
bool TakeScreenshots(const OptionsModule& module, const std::string& folder,
                     const std::string (&paths)[3], std::vector<std::string>& files);

}  // namespace host
