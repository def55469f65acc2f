// The file edit control's browse dialog: the system's open dialog whose confirm button reads
// "OK". Made once by its CFileEditCtrl and reused for every browse.
#pragma once

#include "framework/CFileDialog.h"

class CFECFileDialog : public CFileDialog
{
public:
    using CFileDialog::CFileDialog;

protected:
    void OnInitDone(HWND hDialog) override;
};
