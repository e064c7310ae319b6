#pragma once
// Real mouse and keyboard input for the windows under test: it goes through
// the system's input queue, hit-testing, focus and enabling, as a user's would.

#include <windows.h>

// Moves the pointer to the centre of hWnd and clicks the left button there.
// Always true, so that it serves as a step of a UiScript.
bool ClickAt(HWND hWnd);
// Moves the pointer to a screen point.
void MoveMouseTo(POINT pt);
// Presses the left button at a screen point, moves by (dx, dy) in a few
// steps and releases it there.
void DragFrom(POINT pt, int dx, int dy);
// Presses and releases a key; it goes to the window with the focus.
void PressKey(WORD wVk);
