// The application's own folder, from the App Paths entry of its executable.
#pragma once

// Writes the folder (no trailing backslash) into out, a 260-byte buffer, and
// returns 1; a missing "Path" value gives an empty folder. Returns 0 and
// leaves out as it is when the registry key is missing. Shows nothing.
int FindAppPath(char* out);

// FindAppPath, and when the registry key is missing, tells the user so.
int GetAppPath(char* out);
