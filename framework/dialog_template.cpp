#include "framework/dialog_template.h"

#include <cstring>
#include <cwchar>

namespace {

// An extended template's header: version 1 and signature 0xFFFF, help id,
// extended style, style, item count, x, y, cx, cy. The fields are packed, 26
// bytes in all.
const size_t kExtendedHeaderSize = 26;
const size_t kExtendedStyleOffset = 12;
const size_t kExtendedCountOffset = 16;

DWORD ReadDword(const BYTE* p) {
    DWORD value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

bool IsExtended(const void* dialogTemplate) {
    const WORD* words = static_cast<const WORD*>(dialogTemplate);
    return words[0] == 1 && words[1] == 0xFFFF;
}

const BYTE* AlignDword(const BYTE* base, const BYTE* p) {
    const size_t offset = static_cast<size_t>(p - base);
    return base + ((offset + 3) & ~static_cast<size_t>(3));
}

// Skips a "sz_Or_Ord" field: 0, 0xFFFF and an ordinal, or a string.
const WORD* SkipNameOrOrdinal(const WORD* p) {
    if (*p == 0) return p + 1;
    if (*p == 0xFFFF) return p + 2;
    while (*p) ++p;
    return p + 1;
}

const WORD* SkipString(const WORD* p) {
    while (*p) ++p;
    return p + 1;
}

struct Layout {
    bool extended = false;
    DWORD style = 0;
    WORD itemCount = 0;
    const BYTE* fontStart = nullptr;   // where the font fields begin (or would)
    const BYTE* itemsStart = nullptr;  // first item, DWORD-aligned
    const BYTE* end = nullptr;         // one past the last item
};

Layout Parse(const DLGTEMPLATE* dialogTemplate) {
    Layout layout;
    const BYTE* base = reinterpret_cast<const BYTE*>(dialogTemplate);
    const WORD* p;
    layout.extended = IsExtended(dialogTemplate);
    if (layout.extended) {
        layout.style = ReadDword(base + kExtendedStyleOffset);
        std::memcpy(&layout.itemCount, base + kExtendedCountOffset, sizeof layout.itemCount);
        p = reinterpret_cast<const WORD*>(base + kExtendedHeaderSize);
    } else {
        layout.style = dialogTemplate->style;
        layout.itemCount = dialogTemplate->cdit;
        p = reinterpret_cast<const WORD*>(base + sizeof(DLGTEMPLATE));
    }
    p = SkipNameOrOrdinal(p);  // menu
    p = SkipNameOrOrdinal(p);  // class
    p = SkipString(p);         // title
    layout.fontStart = reinterpret_cast<const BYTE*>(p);
    if (layout.style & DS_SETFONT) {
        p += layout.extended ? 3 : 1;  // point size (and weight, italic, charset)
        p = SkipString(p);
    }
    const BYTE* item = AlignDword(base, reinterpret_cast<const BYTE*>(p));
    layout.itemsStart = item;
    for (WORD i = 0; i < layout.itemCount; ++i) {
        item = AlignDword(base, item);
        const WORD* q =
            reinterpret_cast<const WORD*>(item + (layout.extended ? 24 : sizeof(DLGITEMTEMPLATE)));
        q = SkipNameOrOrdinal(q);  // class
        q = SkipNameOrOrdinal(q);  // title
        const WORD extra = *q++;
        item = reinterpret_cast<const BYTE*>(q) + extra;
    }
    layout.end = item;
    return layout;
}

}  // namespace

bool GetDialogTemplateFont(const DLGTEMPLATE* dialogTemplate, DialogFont* font) {
    if (!dialogTemplate || !font) return false;
    const Layout layout = Parse(dialogTemplate);
    if (!(layout.style & DS_SETFONT)) return false;
    const WORD* p = reinterpret_cast<const WORD*>(layout.fontStart);
    font->pointSize = *p;
    p += layout.extended ? 3 : 1;
    size_t i = 0;
    for (; p[i] && i + 1 < LF_FACESIZE; ++i) font->faceName[i] = p[i];
    font->faceName[i] = 0;
    return true;
}

size_t GetDialogTemplateSize(const DLGTEMPLATE* dialogTemplate) {
    const Layout layout = Parse(dialogTemplate);
    return static_cast<size_t>(layout.end - reinterpret_cast<const BYTE*>(dialogTemplate));
}

bool SetDialogTemplateFont(DLGTEMPLATE* dialogTemplate, size_t capacity, const DialogFont& font) {
    if (!dialogTemplate) return false;
    BYTE* base = reinterpret_cast<BYTE*>(dialogTemplate);
    const Layout layout = Parse(dialogTemplate);
    const size_t head = static_cast<size_t>(layout.fontStart - base);
    const size_t itemsOffset = static_cast<size_t>(layout.itemsStart - base);
    const size_t itemsSize = static_cast<size_t>(layout.end - layout.itemsStart);

    // The font fields: point size, for an extended template also weight,
    // italic and charset (kept when present), then the face name.
    WORD fontFields[3 + LF_FACESIZE];
    size_t count = 0;
    fontFields[count++] = font.pointSize;
    if (layout.extended) {
        const WORD* old = reinterpret_cast<const WORD*>(layout.fontStart);
        const bool had = (layout.style & DS_SETFONT) != 0;
        fontFields[count++] = had ? old[1] : FW_NORMAL;
        fontFields[count++] = had ? old[2] : static_cast<WORD>(DEFAULT_CHARSET << 8);
    }
    for (size_t i = 0; font.faceName[i] && i + 1 < LF_FACESIZE; ++i)
        fontFields[count++] = font.faceName[i];
    fontFields[count++] = 0;

    const size_t fontEnd = head + count * sizeof(WORD);
    const size_t newItemsOffset = (fontEnd + 3) & ~static_cast<size_t>(3);
    if (newItemsOffset + itemsSize > capacity) return false;

    // Items are self-contained and DWORD-aligned relative to the template, so
    // moving the block between two aligned offsets keeps them valid.
    std::memmove(base + newItemsOffset, base + itemsOffset, itemsSize);
    std::memcpy(base + head, fontFields, count * sizeof(WORD));
    std::memset(base + fontEnd, 0, newItemsOffset - fontEnd);
    if (layout.extended) {
        const DWORD style = layout.style | DS_SETFONT;
        std::memcpy(base + kExtendedStyleOffset, &style, sizeof style);
    } else {
        dialogTemplate->style |= DS_SETFONT;
    }
    return true;
}
