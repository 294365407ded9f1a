// The transfer dialog "AutoCAD_Dialog": the user chooses the CAD version, block name,
// insertion point, rotation and options, and inserts the drawing into the running CAD
// program. Every callback returns 1.
#pragma once

#include "toolkit/GwCallback.h"
#include "toolkit/GwEvent.h"

class DdeClient;

// Opens the dialog modally above the main frame and deletes it when it has closed.
int CB_acad(GwCore* widget, GwEvent* event, GwUD userData);
// The dialog's create callback: a new client, the remembered version, the fields filled
// from the client's initial values, "C_DDE_Call" hidden.
int CB_DDE_create(GwCore* frame, GwEvent* event, GwUD userData);
// The option toggles: flip the client's flag and make the fields the CAD program will ask
// for itself insensitive.
int CB_TB_DDE_Mouse(GwCore* widget, GwEvent* event, GwUD userData);
int CB_TB_DDE_Explode(GwCore* widget, GwEvent* event, GwUD userData);
// Shows "C_DDE_Call" when it is hidden, hides it otherwise.
int CB_SHOW_DDE_call(GwCore* widget, GwEvent* event, GwUD userData);
// Closes the dialog without a transfer and deletes the client.
int CB_DDE_cancel(GwCore* widget, GwEvent* event, GwUD userData);
// Runs the transfer (TransferCommand.cpp). A success closes the dialog and deletes the
// client; a failure is reported and leaves the dialog open.
int CB_insert(GwCore* widget, GwEvent* event, GwUD userData);

// The client of the open dialog; null before the dialog is filled and after it is done.
DdeClient* transferClient();
// Deletes the client (cancel, a successful insert, a new filling).
void endTransferClient();
