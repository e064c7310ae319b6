// LanPanel: sets up the network address of a printer reached over TCP/IP.

#include <windows.h>
#include <commctrl.h>

#include <cstring>

#include "modules/common/ModuleCall.h"
#include "modules/common/RecordView.h"
#include "modules/lan_panel/Resource.h"

namespace {

constexpr char kTitle[] = "Network Configuration";
constexpr unsigned kDefaultTcpPort = 9100;  // the raw printing port

// Offsets of the four parts of the record's address bytes.
constexpr int kIpOffset = 0;
constexpr int kMaskOffset = 4;
constexpr int kGatewayOffset = 8;

bool HasAddress(const ConnectionSettings& settings) {
    for (int i = 0; i < 12; ++i)
        if (settings.address[i])
            return true;
    return false;
}

void SetAddressField(HWND hDlg, int nId, const std::uint8_t* pBytes) {
    SendDlgItemMessageA(hDlg, nId, IPM_SETADDRESS, 0, MAKEIPADDRESS(pBytes[0], pBytes[1], pBytes[2], pBytes[3]));
}

void FillFields(HWND hDlg, const ConnectionSettings& settings) {
    // A record that was a network one before (or still is) brings back its
    // address; a fresh one starts from the common class C mask.
    if (HasAddress(settings)) {
        SetAddressField(hDlg, IDC_IP_ADDRESS, settings.address + kIpOffset);
        SetAddressField(hDlg, IDC_SUBNET_MASK, settings.address + kMaskOffset);
        SetAddressField(hDlg, IDC_GATEWAY, settings.address + kGatewayOffset);
    } else {
        SendDlgItemMessageA(hDlg, IDC_SUBNET_MASK, IPM_SETADDRESS, 0, MAKEIPADDRESS(255, 255, 255, 0));
    }
    const unsigned nPort = NetworkPortOf(settings);
    SendDlgItemMessageA(hDlg, IDC_TCP_PORT, EM_LIMITTEXT, 5, 0);
    SetDlgItemInt(hDlg, IDC_TCP_PORT, nPort ? nPort : kDefaultTcpPort, FALSE);
}

bool Refuse(HWND hDlg, int nId, const char* pszWhy) {
    MessageBoxA(hDlg, pszWhy, kTitle, MB_OK | MB_ICONEXCLAMATION);
    SetFocus(GetDlgItem(hDlg, nId));
    return false;
}

// Reads one address field; a half-typed one is an error, a blank one is
// 0.0.0.0 unless `required`.
bool ReadAddressField(HWND hDlg, int nId, bool required, const char* pszName, std::uint8_t* pBytes) {
    DWORD dwAddress = 0;
    const LRESULT nFilled = SendDlgItemMessageA(hDlg, nId, IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&dwAddress));
    if (nFilled != 4 && (required || nFilled != 0)) {
        char text[96];
        wsprintfA(text, "Enter all four numbers of the %s.", pszName);
        return Refuse(hDlg, nId, text);
    }
    pBytes[0] = static_cast<std::uint8_t>(FIRST_IPADDRESS(dwAddress));
    pBytes[1] = static_cast<std::uint8_t>(SECOND_IPADDRESS(dwAddress));
    pBytes[2] = static_cast<std::uint8_t>(THIRD_IPADDRESS(dwAddress));
    pBytes[3] = static_cast<std::uint8_t>(FOURTH_IPADDRESS(dwAddress));
    return true;
}

// Validates everything before touching the record, so that a refused
// Connect leaves it as it was.
bool StoreFields(HWND hDlg, ConnectionSettings& settings) {
    std::uint8_t address[12];
    if (!ReadAddressField(hDlg, IDC_IP_ADDRESS, true, "IP address", address + kIpOffset) ||
        !ReadAddressField(hDlg, IDC_SUBNET_MASK, false, "subnet mask", address + kMaskOffset) ||
        !ReadAddressField(hDlg, IDC_GATEWAY, false, "gateway", address + kGatewayOffset))
        return false;
    BOOL ok = FALSE;
    const UINT nPort = GetDlgItemInt(hDlg, IDC_TCP_PORT, &ok, FALSE);
    if (!ok || nPort < 1 || nPort > 65535)
        return Refuse(hDlg, IDC_TCP_PORT, "Enter a TCP port from 1 to 65535.");

    std::memcpy(settings.address, address, sizeof address);
    SetNetworkPort(settings, nPort);
    SetPortName(settings, "LAN");
    settings.connected = 1;
    return true;
}

INT_PTR CALLBACK NetConfigProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(hDlg, DWLP_USER, lParam);
        FillFields(hDlg, *reinterpret_cast<ConnectionSettings*>(lParam));
        CentreOverOwner(hDlg);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            if (StoreFields(hDlg, *reinterpret_cast<ConnectionSettings*>(GetWindowLongPtrA(hDlg, DWLP_USER))))
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

bool RunNetConfigDialog(ConnectionSettings& settings) {
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_INTERNET_CLASSES};
    InitCommonControlsEx(&classes);
    return RunModalDialog(IDD_NET_CONFIG, NetConfigProc, reinterpret_cast<LPARAM>(&settings)) == IDOK;
}

}  // namespace

extern "C" ConnectionSettingsImage __stdcall NetConfig(ConnectionSettingsImage settings) {
    return RunConfiguringCall("LanPanel", settings, RunNetConfigDialog);
}
