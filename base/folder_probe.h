// Whether a folder answers within a time limit. A LibRoot on a network
// share that does not answer can keep a file call waiting for half a minute;
// the condition pages ask this once before they read the tree, so that the
// sheet opens at once and only the naming choices are listed.
#pragma once

// The time the sheet waits for a LibRoot folder before it lists nothing.
constexpr unsigned long kFolderProbeMilliseconds = 1500;

// Shared with the thread that looks at the folder.
struct Probe;

// The question asked at once and answered later: the folder is looked at on
// its own thread while the asker goes on with other work.
class FolderProbe {
public:
    FolderProbe() = default;
    ~FolderProbe();
    FolderProbe(const FolderProbe&) = delete;
    FolderProbe& operator=(const FolderProbe&) = delete;

    // Starts looking at folder, forgetting an earlier question.
    void Start(const char* folder);
    // 1 when the folder exists and is a folder, found within timeoutMs of
    // Start; 0 when it is missing, not a folder, or the answer did not come
    // in time (the question then finishes on its own thread, which holds the
    // module until it ends). The first call waits at most what is left of
    // timeoutMs; later calls give the same answer at once.
    int Answers(unsigned long timeoutMs);

private:
    void Forget();

    Probe* probe_ = nullptr;
    void* thread_ = nullptr;
    unsigned long startTick_ = 0;
    int answer_ = 0;
};
