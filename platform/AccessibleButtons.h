// What screen readers are told about the program's buttons, through Qt's accessibility
// bridge (AT-SPI on Linux).
//
// The choices of a dialog are radio buttons that each start a group of their own (the
// dialog unchecks the others itself), and Qt would call such a button a check box; they are
// told as radio buttons. An owner-drawn toggle keeps its checked state itself, out of Qt's
// sight: it is told as a checkable button with that state, and as pressed while checked, as
// it is drawn. Either one's action clicks it, so that the window hears of it as of a mouse
// click.
#pragma once

class QAbstractButton;

// Installs the program's descriptions of its buttons; only the first call does anything.
// Called once the application object exists, before any button is asked about.
void InstallAccessibleButtons();

// Tells screen readers that an owner-drawn toggle was checked or released.
void NotifyCheckedChanged(QAbstractButton* pButton);
