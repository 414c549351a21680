// The module that holds the caller's resources in the user's language.
#include <cstdio>
#include <cstring>

#include "siblings/glossa.h"

namespace {
const int kEnglishUs = 1033;  // the caller's own resources are English
}

// The resource module lies beside the caller and is named after the language:
// VordaEnvRes040c.dll for French (1036). It is loaded as a library, not as a
// data file, so that dialog templates, property pages and window classes
// registered with its handle work like those of an ordinary module; it is
// resource-only, so loading it runs no code. The caller frees it.
HINSTANCE __stdcall GetResourceHandle(HINSTANCE caller, int) {
    const int language = GetDefaultLangId() & 0xFFFF;
    if (language == kEnglishUs) return nullptr;

    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(caller, path, sizeof path);
    if (length == 0 || length >= sizeof path) return nullptr;
    char* slash = nullptr;
    for (char* p = path; *p != '\0'; p = CharNextA(p))
        if (*p == '\\' || *p == '/') slash = p;
    if (slash == nullptr) return nullptr;
    const size_t room = sizeof path - static_cast<size_t>(slash + 1 - path);
    const int written = std::snprintf(slash + 1, room, "VordaEnvRes%04x.dll", language);
    if (written < 0 || static_cast<size_t>(written) >= room) return nullptr;

    const DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return nullptr;
    return LoadLibraryA(path);
}
