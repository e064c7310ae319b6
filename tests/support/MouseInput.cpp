#include "tests/support/MouseInput.h"

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
    INPUT inputs[2]{};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, inputs, sizeof inputs[0]);
    return true;
}
