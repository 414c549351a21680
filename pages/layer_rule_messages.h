// The layer rules as a page shows them: the message of the first rule that
// fails, then the focus on the layer box the user has to correct.
#pragma once
#include <windows.h>

#include "conditions/sort_condition.h"

// A used layer without a name, a forbidden character in the library or
// cabinet name, the reserved binder name. 1 when the record passes, else 0
// after the message.
int CheckLayerNames(HWND page, int kind, const SortCondition& record);

// Two used layers named after the same naming choice. 1 when the record
// passes, else 0 after the message (the second layer of the pair focused).
int CheckRelatedInfo(HWND page, int kind, const SortCondition& record);

// Shows message textId (caption "Vorda Options", OK, exclamation icon,
// topmost) owned by page, then focuses the page's control controlId.
void ShowLayerError(HWND page, int controlId, UINT textId);
