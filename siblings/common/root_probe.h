// Whether the root of a folder path (a drive, or a network share) answers.
#pragma once
#include "siblings/common/folder_path.h"

namespace vordacommon {

// How long a caller waits for an answer from the root. An unreachable server
// can keep the file system busy for much longer; the probe then goes on in
// the background and its late answer is dropped.
const DWORD kRootProbeWaitMs = 1500;

// True when the root of folder can be reached (exists and is a folder).
bool CanReachRoot(const FolderPath& folder);

}  // namespace vordacommon
