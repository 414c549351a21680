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

// Deletes every temporary in folder whose writer has ended, staging folders
// (below) with what they hold. Names of another form are left alone.
void RemoveLeftoverTemps(const char* folder);

// A staging folder: a folder with a temporary's name inside folder, for
// writing many files into a large folder. Under Wine every name not yet in a
// folder costs a search of the whole folder: a temporary made beside each
// target costs the large folder that search once more per file, one made in
// the staging folder does not. Makes it and gives its path in staging (260
// bytes). Returns 1, or 0 (staging empty) when it cannot be made.
int MakeStagingFolder(const char* folder, char* staging);

// Deletes staging and the files in it; nothing for an empty path.
void RemoveStagingFolder(const char* staging);

// Creates path, which must not exist, holding bytes (CreateFileA's flags
// added to FILE_ATTRIBUTE_NORMAL) and flushes it to disk; false when any step
// fails, the file then possibly left behind.
bool WriteNewFile(const char* path, const std::string& bytes, DWORD flags);

// Writes bytes to a new temporary in folder, flushed to disk; its path goes
// into temp (260 bytes). Returns 1, or 0 (temp empty, nothing left behind).
int StageBytes(const char* folder, const std::string& bytes, char* temp);

// ReplaceWithTemp for a temporary in a staging folder of target's folder:
// one rename, through the temporary's handle where the platform allows. When
// replace is false, a target that exists is kept and 0 returned.
int PlaceTemp(const char* temp, const char* target, bool replace);

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
