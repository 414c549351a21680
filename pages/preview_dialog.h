// The picture of a template condition (template 4405): how the template
// files documents, with the template's name in the caption.
#pragma once
#include <windows.h>

#include "framework/dialog.h"

class PreviewDialog : public CDialog {
public:
    explicit PreviewDialog(HWND owner);

    // 1..3 the scanner templates, 4..6 FAX receive, 7..9 FAX send; set
    // before DoModal. Any other number shows no picture.
    int templateNumber = 0;

protected:
    BOOL OnInitDialog() override;
    void OnDestroy() override;

private:
    HBITMAP m_picture = nullptr;
};
