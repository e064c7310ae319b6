// Channel Picker: chooses the local port (serial, parallel or USB) the
// printer is reached through.

#include <windows.h>

#include <cstring>

#include "modules/channel_picker/Resource.h"
#include "modules/common/ModuleCall.h"
#include "modules/common/RecordView.h"

namespace {

const char* const kPorts[] = {"COM1", "COM2", "COM3", "COM4", "LPT1", "USB001"};
const unsigned kBaudRates[] = {9600, 19200, 38400, 57600, 115200};
constexpr unsigned kDefaultBaudRate = 9600;

// The framing every port is set up with; the printers take nothing else.
constexpr std::uint8_t kDataBits = 8;
constexpr std::uint8_t kNoParity = 0;
constexpr std::uint8_t kOneStopBit = 1;
constexpr std::uint8_t kNoFlowControl = 0;

bool IsSerialPort(const char* pszPort) { return std::strncmp(pszPort, "COM", 3) == 0; }

// The speed means nothing to a parallel or USB port; it is still written,
// so a later switch back to serial starts from the same choice.
void UpdateBaudRateState(HWND hDlg) {
    const LRESULT nPort = SendDlgItemMessageA(hDlg, IDC_PORT, CB_GETCURSEL, 0, 0);
    const bool serial = nPort >= 0 && IsSerialPort(kPorts[nPort]);
    EnableWindow(GetDlgItem(hDlg, IDC_BAUD_LABEL), serial);
    EnableWindow(GetDlgItem(hDlg, IDC_BAUD), serial);
}

void FillChoices(HWND hDlg, const ConnectionSettings& settings) {
    const std::string current = PortNameOf(settings);
    int nPort = 0;
    for (int i = 0; i < static_cast<int>(sizeof kPorts / sizeof *kPorts); ++i) {
        SendDlgItemMessageA(hDlg, IDC_PORT, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kPorts[i]));
        if (lstrcmpiA(current.c_str(), kPorts[i]) == 0)
            nPort = i;
    }
    SendDlgItemMessageA(hDlg, IDC_PORT, CB_SETCURSEL, nPort, 0);

    int nBaud = 0;
    for (int i = 0; i < static_cast<int>(sizeof kBaudRates / sizeof *kBaudRates); ++i) {
        char text[16];
        wsprintfA(text, "%u", kBaudRates[i]);
        SendDlgItemMessageA(hDlg, IDC_BAUD, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        if (kBaudRates[i] == settings.baudRate || (settings.baudRate == 0 && kBaudRates[i] == kDefaultBaudRate))
            nBaud = i;
    }
    SendDlgItemMessageA(hDlg, IDC_BAUD, CB_SETCURSEL, nBaud, 0);
    UpdateBaudRateState(hDlg);
}

void StoreChoices(HWND hDlg, ConnectionSettings& settings) {
    const LRESULT nPort = SendDlgItemMessageA(hDlg, IDC_PORT, CB_GETCURSEL, 0, 0);
    const LRESULT nBaud = SendDlgItemMessageA(hDlg, IDC_BAUD, CB_GETCURSEL, 0, 0);
    SetPortName(settings, kPorts[nPort >= 0 ? nPort : 0]);
    settings.baudRate = kBaudRates[nBaud >= 0 ? nBaud : 0];
    settings.dataBits = kDataBits;
    settings.parity = kNoParity;
    settings.stopBits = kOneStopBit;
    settings.flowControl = kNoFlowControl;
    settings.connected = 1;
}

INT_PTR CALLBACK PortSetupProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(hDlg, DWLP_USER, lParam);
        FillChoices(hDlg, *reinterpret_cast<ConnectionSettings*>(lParam));
        CentreOverOwner(hDlg);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_PORT:
            if (HIWORD(wParam) == CBN_SELCHANGE)
                UpdateBaudRateState(hDlg);
            return TRUE;
        case IDOK:
            StoreChoices(hDlg, *reinterpret_cast<ConnectionSettings*>(GetWindowLongPtrA(hDlg, DWLP_USER)));
            EndDialog(hDlg, IDOK);
            return TRUE;
        case IDCANCEL:
            EndDialog(hDlg, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

bool RunPortSetupDialog(ConnectionSettings& settings) {
    return RunModalDialog(IDD_PORT_SETUP, PortSetupProc, reinterpret_cast<LPARAM>(&settings)) == IDOK;
}

}  // namespace

extern "C" ConnectionSettingsImage __stdcall PortSetup(ConnectionSettingsImage settings) {
    return RunConfiguringCall("Channel Picker", settings, RunPortSetupDialog);
}
