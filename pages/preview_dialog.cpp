#include "pages/preview_dialog.h"

#include <string>

#include "base/module_state.h"
#include "resources/resource.h"

namespace {

struct Preview {
    UINT nameId;    // the template's name
    UINT bitmapId;  // its picture
};

// By template number 1..9. The pictures are not numbered in the same order.
const Preview kPreviews[9] = {
    {IDS_TEMPLATE_SCANNER_FIRST, IDB_PREVIEW_SCANNER_1},
    {IDS_TEMPLATE_SCANNER_FIRST + 1, IDB_PREVIEW_SCANNER_2},
    {IDS_TEMPLATE_SCANNER_FIRST + 2, IDB_PREVIEW_SCANNER_3},
    {IDS_TEMPLATE_FAX_RECEIVE_FIRST, IDB_PREVIEW_FAX_RECEIVE_1},
    {IDS_TEMPLATE_FAX_RECEIVE_FIRST + 1, IDB_PREVIEW_FAX_RECEIVE_2},
    {IDS_TEMPLATE_FAX_RECEIVE_FIRST + 2, IDB_PREVIEW_FAX_RECEIVE_3},
    {IDS_TEMPLATE_FAX_SEND_FIRST, IDB_PREVIEW_FAX_SEND_1},
    {IDS_TEMPLATE_FAX_SEND_FIRST + 1, IDB_PREVIEW_FAX_SEND_2},
    {IDS_TEMPLATE_FAX_SEND_FIRST + 2, IDB_PREVIEW_FAX_SEND_3},
};

}  // namespace

PreviewDialog::PreviewDialog(HWND) : CDialog(Module().resources, IDD_PREVIEW) {}

BOOL PreviewDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    if (templateNumber < 1 || templateNumber > 9) return TRUE;
    const Preview& preview = kPreviews[templateNumber - 1];
    HWND picture = GetDlgItem(IDC_PREVIEW_PICTURE);
    ::SetWindowLongPtrA(picture, GWL_STYLE, ::GetWindowLongPtrA(picture, GWL_STYLE) | SS_BITMAP);

    char caption[MAX_PATH] = {};
    ::GetWindowTextA(m_hWnd, caption, sizeof caption);
    char templateName[MAX_PATH];
    LoadResString(preview.nameId, templateName, sizeof templateName);
    ::SetWindowTextA(m_hWnd, (std::string(caption) + templateName).c_str());

    m_picture = ::LoadBitmapA(Resources(), MAKEINTRESOURCEA(preview.bitmapId));
    ::SendMessageA(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(m_picture));

    // The picture sits centred under the caption, nudged right, and is cut
    // at the dialog's right and bottom edges.
    RECT dialog = {};
    RECT shown = {};
    ::GetClientRect(m_hWnd, &dialog);
    ::GetClientRect(picture, &shown);
    const int width = shown.right - shown.left;
    const int height = shown.bottom - shown.top;
    const int x = (dialog.right - dialog.left - width) / 2 + 8;
    ::MoveWindow(picture, x, 10, width - x, height - 10, TRUE);
    return TRUE;
}

void PreviewDialog::OnDestroy() {
    // The static control does not own a picture it was given.
    HWND picture = GetDlgItem(IDC_PREVIEW_PICTURE);
    const HANDLE shown =
        reinterpret_cast<HANDLE>(::SendMessageA(picture, STM_SETIMAGE, IMAGE_BITMAP, 0));
    if (shown != nullptr && shown != m_picture) ::DeleteObject(shown);
    if (m_picture != nullptr) ::DeleteObject(m_picture);
    m_picture = nullptr;
    CDialog::OnDestroy();
}
