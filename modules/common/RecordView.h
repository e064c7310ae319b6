#pragma once
// What the substitute modules' dialogs share: finding the module's own
// resources, opening a dialog modally over the launcher, and showing a
// connection record as label/value lines. The four using modules differ
// only in their template (title, intro text, extra buttons), so their whole
// dialog lives here.
//
// The control numbers below are also read by the modules' .rc files, hence
// the preprocessor-only part at the top.

// Template of a using module's dialog (in each module's own resources).
#define IDD_RECORD_DIALOG 100
// Group box the record's lines are laid out in; it is resized to fit them
// and everything below it moves with its bottom edge.
#define IDC_RECORD_GROUP 1000
// First control number of the lines created at run time.
#define IDC_RECORD_LINE_FIRST 1100

#ifndef RC_INVOKED

#include <windows.h>

#include <string>
#include <vector>

#include "app/ConnectionSettings.h"

// The DLL (or program) this code is linked into: module_view is a static
// library, so every module gets its own copy and finds its own templates.
HINSTANCE ThisModule();

// Runs template `nTemplateId` of this module modally, owned by the
// launcher's active window. Returns what EndDialog was given, -1 on failure.
INT_PTR RunModalDialog(int nTemplateId, DLGPROC proc, LPARAM lParam);

// Puts `hDlg` over the middle of its owner, kept inside the owner's monitor;
// without a visible owner, in the middle of the monitor's work area. Called
// last in WM_INITDIALOG, after anything that changes the dialog's size.
void CentreOverOwner(HWND hDlg);

// The port name as text: the field need not be terminated within its 12 bytes.
std::string PortNameOf(const ConnectionSettings& settings);
void SetPortName(ConnectionSettings& settings, const char* pszName);
// A network port is the only one whose address bytes mean anything.
bool IsNetworkRecord(const ConnectionSettings& settings);

// Dotted quad of the four bytes at `pBytes`, first byte first.
std::string FormatIPv4(const std::uint8_t* pBytes);
// TCP port of a network record: address bytes 12 and 13, big-endian.
unsigned NetworkPortOf(const ConnectionSettings& settings);
void SetNetworkPort(ConnectionSettings& settings, unsigned nPort);

// "COM1", or for a network record "LAN (192.168.0.20:9100)": how the
// dialogs and messages name where the printer is.
std::string DescribeDestination(const ConnectionSettings& settings);

struct RecordLine {
    std::string label;
    std::string value;
};
// The record as the using modules show it: port, baud rate, the network
// address lines for a network record, connected flag, log path.
std::vector<RecordLine> DescribeRecord(const ConnectionSettings& settings);

// Creates one label/value pair of statics per line inside IDC_RECORD_GROUP
// of `hDlg`, then fits the group box, the controls below it and the dialog
// to the number of lines.
void ShowRecordLines(HWND hDlg, const std::vector<RecordLine>& lines);

// A using module's dialog. `onCommand`, when set, sees every WM_COMMAND
// other than OK/Cancel (e.g. a module's own button); `onInit` may enable
// or disable such buttons for the record at hand.
struct UseDialogParts {
    void (*onInit)(HWND hDlg, const ConnectionSettings& settings) = nullptr;
    void (*onCommand)(HWND hDlg, WORD nId, const ConnectionSettings& settings) = nullptr;
};
void ShowUseDialog(const ConnectionSettings& settings, const UseDialogParts& parts = {});

#endif  // RC_INVOKED
