#pragma once
// A static control of a dialog: text, frames and rectangles that take no input.

#include "framework/Wnd.h"

class CStatic : public CWnd {};
