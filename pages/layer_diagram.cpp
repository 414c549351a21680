#include "pages/layer_diagram.h"

#include "conditions/condition_rules.h"

namespace {

// One etched horizontal line from x = left to x = right at y (page pixels).
void EtchedLine(HDC dc, int left, int right, int y) {
    RECT line = {left, y, right, y};
    ::DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
}

RECT WindowRectOf(HWND page, int id) {
    RECT rect = {};
    ::GetWindowRect(::GetDlgItem(page, id), &rect);
    return rect;
}

}  // namespace

void DrawLayerDiagram(HWND page, HDC dc, const int* checks, const int* combos) {
    RECT pageRect = {};
    ::GetWindowRect(page, &pageRect);
    const int dx = pageRect.left;
    const int dy = pageRect.top;

    const RECT firstCheck = WindowRectOf(page, checks[kLayerLibrary]);
    const RECT firstCombo = WindowRectOf(page, combos[kLayerLibrary]);
    EtchedLine(dc, firstCheck.left - dx, firstCombo.right - dx, firstCheck.top - dy - 15);

    for (int layer = 0; layer < kLayerCount; ++layer) {
        const RECT check = WindowRectOf(page, checks[layer]);
        const RECT combo = WindowRectOf(page, combos[layer]);
        EtchedLine(dc, check.right - dx + 5, combo.left - dx - 10, check.bottom - dy - 8);
    }
}
