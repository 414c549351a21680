// Small operations the three sort-condition pages share: combo-box texts,
// the Delete and Preview buttons, folder names of listed libraries and
// cabinets, and comparing and copying what a page edits of a condition.
// Operations that pick controls take the kind and use that kind's ids.
#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "conditions/sort_condition.h"

// The combo box accepts at most n characters of typed text (CB_LIMITTEXT).
void LimitComboText(HWND page, int comboId, int n);

// buffer (capacity bytes) := the text of the selected row, or the edit text
// when no row is selected; cut to capacity - 1 bytes without splitting a
// double-byte character. The selected row comes first: during a selection
// change the edit still shows the previous choice. Always 1.
int GetComboText(HWND page, int comboId, char* buffer, size_t capacity);

// Each of the kind's five layer boxes, Library to Note: the text without
// leading and trailing white space, the row with exactly that text (any
// letter case) selected or no row, and the trimmed text as the edit text.
void TrimLayerTexts(HWND page, int kind);
// What TrimLayerTexts makes of one layer box, without changing it: the
// trimmed text, and in *row the row holding it (CB_ERR for none).
std::string NormalizedLayerText(HWND page, int comboId, LRESULT* row);

// "&Delete" disabled and "&Preview" shown when the selected condition is a
// template; otherwise Delete enabled and Preview hidden.
void UpdateDeleteAndPreview(HWND page, int kind);

// text := text + "#" + number, unless number is -1. text holds capacity
// bytes; a result that would not fit leaves it unchanged.
void AppendFolderNumber(int32_t number, char* text, size_t capacity);

// Copies what the page edits (use flags, modes, the five names, position,
// date type and weekday, and the information items of the target's kind)
// from source to target; the target keeps its path, kind and value texts.
int CopyConditionEdits(const SortCondition& source, SortCondition* target);

// 1 when layer (0 Library .. 4 Note) differs between the collected record a
// and the stored record b in what the page shows: its use; for a used layer
// its mode; and its name when the mode is a fixed name (any letter case) or
// the layer is the library or cabinet.
int LayerDiffers(int layer, const SortCondition& a, const SortCondition& b);

// 1 when the collected record a differs from the stored record b in
// anything the page edits: layers, position, date type, the weekday of a
// week date, and the information items of b's kind. In language style 1 the
// FAX receive page shows only items 0, 4 and 5: then only their order and
// checks count, as the page shows them.
int ConditionDiffers(const SortCondition& a, const SortCondition& b);
