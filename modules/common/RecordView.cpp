#include "modules/common/RecordView.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr char kNetworkPortName[] = "LAN";

std::string Number(unsigned long n) {
    char text[16];
    std::snprintf(text, sizeof text, "%lu", n);
    return text;
}

// Dialog units to pixels of `hDlg`'s font, vertically and horizontally.
int DluX(HWND hDlg, int n) {
    RECT rc = {0, 0, n, 0};
    MapDialogRect(hDlg, &rc);
    return rc.right;
}
int DluY(HWND hDlg, int n) {
    RECT rc = {0, 0, 0, n};
    MapDialogRect(hDlg, &rc);
    return rc.bottom;
}

RECT ChildRect(HWND hDlg, HWND hChild) {
    RECT rc;
    GetWindowRect(hChild, &rc);
    MapWindowPoints(HWND_DESKTOP, hDlg, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

// Width the labels column needs in the dialog's own font, so that a
// substituted font never clips "Subnet mask:".
int LabelColumnWidth(HWND hDlg, const std::vector<RecordLine>& lines) {
    HDC hdc = GetDC(hDlg);
    HGDIOBJ hOld = SelectObject(hdc, reinterpret_cast<HFONT>(SendMessageA(hDlg, WM_GETFONT, 0, 0)));
    int width = 0;
    for (const RecordLine& line : lines) {
        SIZE size = {};
        GetTextExtentPoint32A(hdc, line.label.c_str(), static_cast<int>(line.label.size()), &size);
        width = std::max(width, static_cast<int>(size.cx));
    }
    SelectObject(hdc, hOld);
    ReleaseDC(hDlg, hdc);
    return width + DluX(hDlg, 6);
}

HWND CreateStatic(HWND hDlg, int nId, const std::string& text, DWORD style, int x, int y, int cx, int cy) {
    HWND hWnd = CreateWindowExA(0, "STATIC", text.c_str(), WS_CHILD | WS_VISIBLE | SS_NOPREFIX | style, x, y,
                                cx, cy, hDlg, reinterpret_cast<HMENU>(static_cast<INT_PTR>(nId)), ThisModule(),
                                nullptr);
    SendMessageA(hWnd, WM_SETFONT, SendMessageA(hDlg, WM_GETFONT, 0, 0), FALSE);
    return hWnd;
}

struct UseDialogState {
    const ConnectionSettings* settings;
    const UseDialogParts* parts;
};

INT_PTR CALLBACK UseDialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        SetWindowLongPtrA(hDlg, DWLP_USER, lParam);
        const auto* state = reinterpret_cast<const UseDialogState*>(lParam);
        ShowRecordLines(hDlg, DescribeRecord(*state->settings));
        if (state->parts->onInit)
            state->parts->onInit(hDlg, *state->settings);
        CentreOverOwner(hDlg);
        return TRUE;
    }
    case WM_COMMAND: {
        const WORD nId = LOWORD(wParam);
        if (nId == IDOK || nId == IDCANCEL) {
            EndDialog(hDlg, nId);
            return TRUE;
        }
        const auto* state = reinterpret_cast<const UseDialogState*>(GetWindowLongPtrA(hDlg, DWLP_USER));
        if (state && state->parts->onCommand) {
            state->parts->onCommand(hDlg, nId, *state->settings);
            return TRUE;
        }
        return FALSE;
    }
    default:
        return FALSE;
    }
}

}  // namespace

HINSTANCE ThisModule() {
    HMODULE hModule = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&ThisModule), &hModule);
    return hModule;
}

INT_PTR RunModalDialog(int nTemplateId, DLGPROC proc, LPARAM lParam) {
    return DialogBoxParamA(ThisModule(), MAKEINTRESOURCEA(nTemplateId), GetActiveWindow(), proc, lParam);
}

void CentreOverOwner(HWND hDlg) {
    HWND hOwner = GetWindow(hDlg, GW_OWNER);
    const bool overOwner = hOwner && IsWindowVisible(hOwner) && !IsIconic(hOwner);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoA(MonitorFromWindow(overOwner ? hOwner : hDlg, MONITOR_DEFAULTTONEAREST), &monitor))
        return;
    const RECT& work = monitor.rcWork;
    RECT around = work;
    if (overOwner)
        GetWindowRect(hOwner, &around);

    RECT dialog;
    GetWindowRect(hDlg, &dialog);
    const int cx = dialog.right - dialog.left;
    const int cy = dialog.bottom - dialog.top;
    int x = (around.left + around.right - cx) / 2;
    int y = (around.top + around.bottom - cy) / 2;
    // A small or half off-screen owner must not push the dialog out of sight.
    x = std::max(static_cast<int>(work.left), std::min(x, static_cast<int>(work.right) - cx));
    y = std::max(static_cast<int>(work.top), std::min(y, static_cast<int>(work.bottom) - cy));
    SetWindowPos(hDlg, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string PortNameOf(const ConnectionSettings& settings) {
    const char* p = settings.portName;
    return std::string(p, strnlen(p, sizeof settings.portName));
}

void SetPortName(ConnectionSettings& settings, const char* pszName) {
    // Zero-filled, so that the bytes the launcher copies are the same for
    // the same name whatever was there before.
    std::memset(settings.portName, 0, sizeof settings.portName);
    std::strncpy(settings.portName, pszName, sizeof settings.portName - 1);
}

bool IsNetworkRecord(const ConnectionSettings& settings) { return PortNameOf(settings) == kNetworkPortName; }

std::string FormatIPv4(const std::uint8_t* pBytes) {
    char text[16];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", pBytes[0], pBytes[1], pBytes[2], pBytes[3]);
    return text;
}

unsigned NetworkPortOf(const ConnectionSettings& settings) {
    return (static_cast<unsigned>(settings.address[12]) << 8) | settings.address[13];
}

void SetNetworkPort(ConnectionSettings& settings, unsigned nPort) {
    settings.address[12] = static_cast<std::uint8_t>(nPort >> 8);
    settings.address[13] = static_cast<std::uint8_t>(nPort);
    settings.address[14] = 0;
    settings.address[15] = 0;
}

std::string DescribeDestination(const ConnectionSettings& settings) {
    if (IsNetworkRecord(settings))
        return std::string(kNetworkPortName) + " (" + FormatIPv4(settings.address) + ":" +
               Number(NetworkPortOf(settings)) + ")";
    const std::string port = PortNameOf(settings);
    return port.empty() ? "(no port)" : port;
}

std::vector<RecordLine> DescribeRecord(const ConnectionSettings& settings) {
    std::vector<RecordLine> lines;
    const std::string port = PortNameOf(settings);
    lines.push_back({"Port:", port.empty() ? "(none)" : port});
    lines.push_back({"Baud rate:", settings.baudRate ? Number(settings.baudRate) + " bit/s" : "(not set)"});
    if (IsNetworkRecord(settings)) {
        lines.push_back({"IP address:", FormatIPv4(settings.address)});
        lines.push_back({"Subnet mask:", FormatIPv4(settings.address + 4)});
        lines.push_back({"Gateway:", FormatIPv4(settings.address + 8)});
        lines.push_back({"TCP port:", Number(NetworkPortOf(settings))});
    }
    std::string connected;
    switch (settings.connected) {
    case 0:
        connected = "No";
        break;
    case 1:
        connected = "Yes";
        break;
    default:
        connected = "Unknown (" + Number(settings.connected) + ")";
        break;
    }
    lines.push_back({"Connected:", connected});
    lines.push_back({"Log path:", settings.logPath.IsEmpty() ? "(none)" : settings.logPath.GetString()});
    return lines;
}

void ShowRecordLines(HWND hDlg, const std::vector<RecordLine>& lines) {
    HWND hGroup = GetDlgItem(hDlg, IDC_RECORD_GROUP);
    if (!hGroup)
        return;
    const RECT group = ChildRect(hDlg, hGroup);

    // Dialog-unit grid of the templates: 8-unit text on an 11-unit pitch,
    // first line clear of the group caption.
    const int pitch = DluY(hDlg, 11);
    const int textHeight = DluY(hDlg, 8);
    const int top = group.top + DluY(hDlg, 12);
    const int left = group.left + DluX(hDlg, 7);
    const int right = group.right - DluX(hDlg, 7);
    const int labelWidth = LabelColumnWidth(hDlg, lines);

    // The dialog's own controls below the group move with its bottom edge;
    // collect them before the lines add children of their own.
    std::vector<HWND> below;
    for (HWND hChild = GetWindow(hDlg, GW_CHILD); hChild; hChild = GetWindow(hChild, GW_HWNDNEXT)) {
        if (hChild != hGroup && ChildRect(hDlg, hChild).top >= group.bottom)
            below.push_back(hChild);
    }

    int y = top;
    int nId = IDC_RECORD_LINE_FIRST;
    for (const RecordLine& line : lines) {
        CreateStatic(hDlg, nId++, line.label, SS_LEFT, left, y, labelWidth, textHeight);
        // Only the log path gets long; keep its file name in sight.
        const DWORD ellipsis = line.label == "Log path:" ? SS_PATHELLIPSIS : SS_ENDELLIPSIS;
        CreateStatic(hDlg, nId++, line.value, SS_LEFT | ellipsis, left + labelWidth, y,
                     std::max(0, right - left - labelWidth), textHeight);
        y += pitch;
    }

    const int newBottom = y - pitch + textHeight + DluY(hDlg, 7);
    const int delta = newBottom - group.bottom;
    if (delta == 0)
        return;
    SetWindowPos(hGroup, nullptr, 0, 0, group.right - group.left, newBottom - group.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (HWND hChild : below) {
        const RECT rc = ChildRect(hDlg, hChild);
        SetWindowPos(hChild, nullptr, rc.left, rc.top + delta, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT window;
    GetWindowRect(hDlg, &window);
    SetWindowPos(hDlg, nullptr, 0, 0, window.right - window.left, window.bottom - window.top + delta,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ShowUseDialog(const ConnectionSettings& settings, const UseDialogParts& parts) {
    UseDialogState state = {&settings, &parts};
    RunModalDialog(IDD_RECORD_DIALOG, UseDialogProc, reinterpret_cast<LPARAM>(&state));
}
