// The application's own folder, from the App Paths entry of its executable.
#pragma once

// Writes the folder (no trailing backslash) into out, a 260-byte buffer, and
// returns 1. When the registry key is missing, tells the user and returns 0.
int GetAppPath(char* out);
