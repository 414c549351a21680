// Whether a folder answers within a time limit. A LibRoot on a network
// share that does not answer can keep a file call waiting for half a minute;
// the condition pages ask this once before they read the tree, so that the
// sheet opens at once and only the naming choices are listed.
#pragma once

// The time the sheet waits for a LibRoot folder before it lists nothing.
constexpr unsigned long kFolderProbeMilliseconds = 1500;

// 1 when folder exists and is a folder, found within timeoutMs; 0 when it is
// missing, not a folder, or the answer did not come in time (the question
// then finishes on its own thread, which holds the module until it ends).
int FolderAnswers(const char* folder, unsigned long timeoutMs);
