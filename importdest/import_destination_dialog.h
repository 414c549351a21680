// The scan-import destination as a dialog of its own (dialog 4417 with its
// OK, Cancel and Help buttons shown). It reads the stored values when it is
// built and on OK writes them and refreshes the ".dat" backup of the
// settings INI file.
#pragma once
#include <windows.h>

#include "framework/dialog.h"
#include "importdest/import_destination.h"

class ImportDestinationDialog : public CDialog {
public:
    explicit ImportDestinationDialog(HWND owner = nullptr);

    // Runs the dialog under the owner given at construction.
    INT_PTR DoModal() { return CDialog::DoModal(m_owner); }

    // Writes both values, then copies the settings INI file to its ".dat"
    // backup (the copy's result is not looked at). Nonzero on success.
    int SaveImportDestination();
    // Opens help topic 190.
    void ShowHelp();

    ImportDestinationFields fields;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    BOOL OnButtonClicked(int id) override;
    void OnOK() override;
    // Closes every help window before the dialog goes away.
    void OnDestroy() override;

private:
    HWND m_owner;
};
