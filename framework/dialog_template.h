// Reading and rewriting the font of an in-memory dialog template (plain
// DLGTEMPLATE or extended DLGTEMPLATEEX).
#pragma once
#include <windows.h>

#include <cstddef>

struct DialogFont {
    WORD pointSize = 0;
    WCHAR faceName[LF_FACESIZE] = {};
};

// The font a template names (DS_SETFONT); false when it names none.
bool GetDialogTemplateFont(const DLGTEMPLATE* dialogTemplate, DialogFont* font);

// The size in bytes of a whole template, items included.
size_t GetDialogTemplateSize(const DLGTEMPLATE* dialogTemplate);

// Rewrites the template in place so that it uses font; the items move to keep
// their alignment. capacity is the size of the buffer that holds the template.
// Returns false, leaving the template as it was, when the result would not fit.
bool SetDialogTemplateFont(DLGTEMPLATE* dialogTemplate, size_t capacity, const DialogFont& font);
