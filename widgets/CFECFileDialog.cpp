#include "widgets/CFECFileDialog.h"

void CFECFileDialog::OnInitDone(HWND hDialog)
{
    ::SendMessageA(hDialog, CDM_SETCONTROLTEXT, IDOK, reinterpret_cast<LPARAM>("OK"));
}
