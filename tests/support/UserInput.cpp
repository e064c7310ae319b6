#include "tests/support/UserInput.h"

namespace {
void SendButton(DWORD dwFlags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = dwFlags;
    ::SendInput(1, &input, sizeof input);
}
}  // namespace


void MoveMouseTo(POINT pt) {
    ::SetCursorPos(pt.x, pt.y);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_MOVE;
    ::SendInput(1, &input, sizeof input);
}

bool ClickAt(HWND hWnd) {
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    MoveMouseTo({(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2});
    SendButton(MOUSEEVENTF_LEFTDOWN);
    SendButton(MOUSEEVENTF_LEFTUP);
    return true;
}

void DragFrom(POINT pt, int dx, int dy) {
    MoveMouseTo(pt);
    SendButton(MOUSEEVENTF_LEFTDOWN);
    for (int i = 1; i <= 4; ++i)
        MoveMouseTo({pt.x + dx * i / 4, pt.y + dy * i / 4});
    SendButton(MOUSEEVENTF_LEFTUP);
}

void PressKey(WORD wVk) {
    INPUT keys[2]{};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = wVk;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, keys, sizeof keys[0]);
}
