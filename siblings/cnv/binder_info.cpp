// The binder query: a folder is a binder when its "folder.ini" gives it a
// title in section "Binder".
#include <cstring>

#include "siblings/vorda_cnv.h"

namespace {

const size_t kTitleRoom = kBinderSubTitleOffset - kBinderTitleOffset;  // 25: 24 bytes + NUL
const size_t kSubTitleRoom = kBinderInfoSize - kBinderSubTitleOffset;  // 27: 26 bytes + NUL

// The longest start of text that fits maxBytes without splitting a
// double-byte character.
size_t FittingLength(const char* text, size_t maxBytes) {
    size_t length = 0;
    while (text[length] != '\0') {
        const size_t step =
            (IsDBCSLeadByte(static_cast<BYTE>(text[length])) && text[length + 1] != '\0') ? 2 : 1;
        if (length + step > maxBytes) break;
        length += step;
    }
    return length;
}

void CopyCut(const char* text, unsigned char* field, size_t room) {
    const size_t length = FittingLength(text, room - 1);
    std::memcpy(field, text, length);
    field[length] = '\0';
}

}  // namespace

int __stdcall GetBinderInfo(char* folder, unsigned char* record) {
    if (folder == nullptr || record == nullptr || *folder == '\0') return 0;
    char ini[MAX_PATH];
    const size_t length = std::strlen(folder);
    const bool endsWithSeparator =
        folder[length - 1] == '\\' && CharPrevA(folder, folder + length) == folder + length - 1;
    const size_t needed = length + (endsWithSeparator ? 0 : 1) + sizeof "folder.ini";
    if (needed > sizeof ini) return 0;
    std::memcpy(ini, folder, length);
    size_t at = length;
    if (!endsWithSeparator) ini[at++] = '\\';
    std::memcpy(ini + at, "folder.ini", sizeof "folder.ini");

    const DWORD attributes = GetFileAttributesA(ini);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return 0;

    char title[MAX_PATH] = {};
    GetPrivateProfileStringA("Binder", "Title", "", title, sizeof title, ini);
    if (title[0] == '\0') return 0;
    char subTitle[MAX_PATH] = {};
    GetPrivateProfileStringA("Binder", "SubTitle", "", subTitle, sizeof subTitle, ini);

    CopyCut(title, record + kBinderTitleOffset, kTitleRoom);
    CopyCut(subTitle, record + kBinderSubTitleOffset, kSubTitleRoom);
    return 1;
}
