// Helpers for the window framework's tests: dialog templates built in
// memory. Modal windows are driven with the UI robot (host/robot), whose
// failures this library routes to gtest.
#pragma once
#include <windows.h>

#include <vector>

namespace fwtest {

// Predefined window classes of dialog items.
enum ItemClass : WORD { kButton = 0x80, kEdit = 0x81, kStatic = 0x82, kListBox = 0x83 };

// A DLGTEMPLATE with its items, laid out as the platform reads it.
class DialogTemplate {
public:
    DialogTemplate(DWORD style, short cx, short cy, const char* title);
    DialogTemplate& Add(ItemClass itemClass, DWORD style, int id, short x, short y, short cx,
                        short cy, const char* text = "");
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_words.data()); }

private:
    void AddText(const char* text);
    void AlignToDword();
    std::vector<WORD> m_words;
};

// Creates a modeless dialog (hidden) from a template; the procedure answers
// nothing. The caller destroys it.
HWND CreateModeless(const DialogTemplate& dialogTemplate, DLGPROC procedure = nullptr,
                    LPARAM parameter = 0);

}  // namespace fwtest
