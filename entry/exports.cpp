#include "entry/exports.h"

#include <memory>
#include <new>

#include "base/module_state.h"
#include "base/phase_timer.h"
#include "entry/prop_sheet.h"
#include "entry/sheet_rules.h"
#include "framework/activation_context.h"
#include "importdest/import_destination_dialog.h"
#include "resources/resource.h"

namespace {

// Copies a page's path into the caller's 260-byte buffer, terminator included.
void ReturnPath(char* buffer, const char* path) { lstrcpynA(buffer, path, MAX_PATH); }

int RunOptionsSheet(int mode, char* rootPath1, char* rootPath2, char* rootPath3,
                    int* currentRootIndex, int* messageShow) {
#ifdef VORDA_PHASE_TIMERS
    SetPageCreationObserver([](bool creating) {
        if (creating)
            BeginPhase(kPhaseControlCreation);
        else
            EndPhase(kPhaseControlCreation);
    });
#endif
    char caption[MAX_PATH];
    LoadResString(IDS_OPTIONS_CAPTION, caption, sizeof caption);

    if (!CheckConfigArguments(mode, currentRootIndex, messageShow)) return 0;
    if (rootPath1 == nullptr) return 0;
    if (mode != kGeneralOnly && (rootPath2 == nullptr || rootPath3 == nullptr)) return 0;

    // The pages are large; the sheet lives on the heap for the call.
    std::unique_ptr<CPropSheet> sheet(new (std::nothrow) CPropSheet(
        caption, nullptr, 0, mode, rootPath1, mode == kGeneralOnly ? nullptr : rootPath2,
        mode == kGeneralOnly ? nullptr : rootPath3, *currentRootIndex, *messageShow));
    if (!sheet) return 0;
    sheet->DoModal();

    // The working values go back whatever way the sheet was closed.
    if (mode == kGeneralOnly) {
        const SingleRootFields& root = sheet->m_generalNRPage.fields;
        *messageShow = root.messageShow;
        ReturnPath(rootPath1, root.path);
        *currentRootIndex = 0;
        return root.modified ? 1 : 0;
    }

    const LibRootFields& roots = sheet->m_generalPage.fields;
    *messageShow = roots.messageShow;
    ReturnPath(rootPath1, roots.path[0]);
    ReturnPath(rootPath2, roots.path[1]);
    ReturnPath(rootPath3, roots.path[2]);
    *currentRootIndex = roots.currentRoot;

    if (roots.modified) return 1;
    if (mode == kSortConditions) {
        return sheet->m_scanPage.savedOrDeleted || sheet->m_faxPage.savedOrDeleted ||
                       sheet->m_sndFaxPage.savedOrDeleted
                   ? 1
                   : 0;
    }
    return sheet->m_lumoraPage.fields.changed ? 1 : 0;
}

}  // namespace

int __stdcall VordaConfigSet(int mode, char* rootPath1, char* rootPath2, char* rootPath3,
                             int* currentRootIndex, int* messageShow) {
    // The module's own manifest (comctl32 version 6) is in force for the
    // whole call and the caller's context comes back on every return.
    ActivationContext context(Module().instance);
    try {
        return RunOptionsSheet(mode, rootPath1, rootPath2, rootPath3, currentRootIndex,
                               messageShow);
    } catch (...) {
        return 0;
    }
}

int __stdcall LumoraLConfigSet(void) {
    ActivationContext context(Module().instance);
    try {
        std::unique_ptr<ImportDestinationDialog> dialog(new (std::nothrow)
                                                            ImportDestinationDialog(nullptr));
        if (dialog) dialog->DoModal();
    } catch (...) {
    }
    return 1;
}

#ifdef VORDA_PHASE_TIMERS
// Timed builds only: the phase clocks, for the pages benchmark.
extern "C" __declspec(dllexport) int __stdcall VordaPhaseTimes(double* ms, int capacity,
                                                               int reset) {
    return ReadPhaseTimes(ms, capacity, reset != 0);
}
extern "C" __declspec(dllexport) const char* __stdcall VordaPhaseName(int phase) {
    return PhaseName(phase);
}
#endif
