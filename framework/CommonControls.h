// The common control classes (list view, hot key control, ...) are registered at their first
// need, not at start-up: COMCTL32 would cost an idle program memory that only dialogs use.
// CDialog::Create and CWnd::CreateEx call this, so no dialog or control can forget it.
#pragma once

// Registers the common control classes; once that has worked, later calls return at once.
void EnsureCommonControls();
