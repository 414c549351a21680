// The diagram behind a condition page's layer area: an etched line 15
// pixels above the Library row across the area, and on each layer's row a
// connector from its check box to its name box. It follows the controls
// wherever the template puts them.
#pragma once
#include <windows.h>

// Draws the six lines on dc, the page's paint device context. checks and
// combos hold the five check-box and name-box ids, Library to Note.
void DrawLayerDiagram(HWND page, HDC dc, const int* checks, const int* combos);
