// Window pictures: a BitBlt from the window's DC into a DIB section, written
// as a bottom-up 24-bit BMP file. It reads what the window surface holds, so
// it works under the null graphics driver as well as on a real display. A
// window that stands over another (a dropped list, a message box) has a
// surface of its own: it is copied in from its own DC at its place, and the
// picture grows to hold it; what no window covers is left in the desktop
// colour.
#include "host/robot/robot.h"

namespace robot {

namespace {

// Copies what each window of above shows into memory, whose top left corner
// stands for the point origin of the screen.
bool DrawAbove(HDC memory, POINT origin, const std::vector<HWND>& above) {
    for (HWND window : above) {
        RECT rect = {};
        if (!GetWindowRect(window, &rect)) return false;
        HDC source = GetWindowDC(window);
        if (!source) return false;
        const bool ok =
            BitBlt(memory, rect.left - origin.x, rect.top - origin.y, rect.right - rect.left,
                   rect.bottom - rect.top, source, 0, 0, SRCCOPY) != 0;
        ReleaseDC(window, source);
        if (!ok) return false;
    }
    return true;
}

}  // namespace

bool CaptureWindow(HWND window, const std::string& bmpPath, const std::vector<HWND>& above) {
    RECT rect = {};
    if (!GetWindowRect(window, &rect)) return false;
    const RECT own = rect;
    for (HWND over : above) {
        RECT overRect = {};
        if (!GetWindowRect(over, &overRect)) return false;
        UnionRect(&rect, &rect, &overRect);
    }
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return false;

    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up, as the file stores it
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    const DWORD imageSize = stride * static_cast<DWORD>(height);
    info.bmiHeader.biSizeImage = imageSize;

    HDC source = GetWindowDC(window);
    if (!source) return false;
    HDC memory = CreateCompatibleDC(source);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool ok = memory && bitmap && bits;
    if (ok) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        const RECT all = {0, 0, width, height};
        FillRect(memory, &all, GetSysColorBrush(COLOR_DESKTOP));
        ok = BitBlt(memory, own.left - rect.left, own.top - rect.top, own.right - own.left,
                    own.bottom - own.top, source, 0, 0, SRCCOPY) != 0 &&
             DrawAbove(memory, POINT{rect.left, rect.top}, above);
        GdiFlush();
        SelectObject(memory, old);
    }
    if (ok) {
        // One write for the whole file: every write is a round trip to the
        // wineserver, which is slow when the machine is busy.
        BITMAPFILEHEADER header = {};
        header.bfType = 0x4D42;  // "BM"
        header.bfOffBits = sizeof header + sizeof info.bmiHeader;
        header.bfSize = header.bfOffBits + imageSize;
        std::string bytes(reinterpret_cast<const char*>(&header), sizeof header);
        bytes.append(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
        bytes.append(static_cast<const char*>(bits), imageSize);
        HANDLE file = CreateFileA(bmpPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        ok = file != INVALID_HANDLE_VALUE;
        if (ok) {
            DWORD written = 0;
            ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                           nullptr) &&
                 written == bytes.size();
            ok = CloseHandle(file) && ok;
        }
    }
    if (bitmap) DeleteObject(bitmap);
    if (memory) DeleteDC(memory);
    ReleaseDC(window, source);
    return ok;
}

void Robot::Capture(HWND window, const std::string& bmpPath, const std::vector<HWND>& above) {
    // Paint on the UI thread first: a posted marker is handled before the
    // low-priority WM_PAINT, so waiting for idle alone would not do.
    RunOnUiThread([&] {
        RedrawWindow(window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        for (HWND over : above) {
            RedrawWindow(over, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        }
    });
    if (!CaptureWindow(window, bmpPath, above))
        Fail("could not capture " + Describe(window) + " to " + bmpPath);
}

}  // namespace robot
