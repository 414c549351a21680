// The scan-import destination as the second tab of the options sheet
// (dialog 4417). The sheet hands it the stored values before it is created
// and writes them back on OK and Apply once the tab has been shown.
#pragma once
#include <windows.h>

#include "framework/property_page.h"
#include "importdest/import_destination.h"

class CPage_Lumora : public CPropertyPage {
public:
    CPage_Lumora();

    ImportDestinationFields fields;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    BOOL OnButtonClicked(int id) override;
    // Apply step: records whether the user's choice changed.
    void OnOK() override;
};
