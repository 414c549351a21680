// The temporary files through which every file of the module is replaced
// whole. A temporary lies in the folder of the file it replaces, so that the
// replace is a rename within one folder, which the file system makes in one
// step: a reader (or a crash) sees the old file or the new one, never half.
// A crash can leave a temporary behind; the next write in that folder removes
// it once the process that made it has ended.
#pragma once
#include <windows.h>

#include <string>

// "~ve" pid "-" start "-" sequence ".tmp", the numbers in lower-case hex:
// pid and start (ProcessStartStamp) name the writing process, the sequence
// tells its temporaries apart. The name begins with "~" and ends in ".tmp",
// so no condition wildcard ("s*.ini", "f*.ini", "n*.ini") and no name the
// module reads can match it.
std::string TempFileName(unsigned long pid, unsigned long start, unsigned long sequence);

// The low 32 bits of the creation time of process; 0 when it cannot be read.
unsigned long ProcessStartStamp(HANDLE process);

// out (260 bytes) := folder, "\" and a temporary name of this process that no
// earlier call gave. Returns 1, or 0 (out empty) when it would not fit.
int MakeTempPath(const char* folder, char* out);

// Whether a file can be created in folder: creates a temporary there, which
// goes when its handle is closed (also when the process is ended before it
// closes it). Returns 1 or 0.
int CanCreateTempIn(const char* folder);

// Deletes every temporary in folder whose writer has ended. Names of another
// form are left alone.
void RemoveLeftoverTemps(const char* folder);

// Deletes temp, also when it carries the read-only attribute. Nothing
// happens when it does not exist.
void RemoveTemp(const char* temp);

// Writes temp's contents out to the disk. Returns 1, or 0 when temp cannot
// be opened for writing (it does not exist) or the flush fails.
int FlushToDisk(const char* temp);

// Puts temp in target's place with one rename, replacing target when it
// exists. Returns 1, or 0 when the platform refuses (target is a folder or
// read-only, its folder is gone, or another process keeps it open longer
// than a few short retries): temp is then still there and target unchanged.
int ReplaceWithTemp(const char* temp, const char* target);
