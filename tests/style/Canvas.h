#pragma once
// A real device context over 32-bit pixels the tests can read back, and the
// GDI+ session the engine expects the application to have started.

#include <windows.h>

#include <cstdint>

#include "framework/DC.h"
#include "framework/Rect.h"

class Canvas {
public:
    Canvas(int width, int height);
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    ~Canvas();

    // As COLORREF (0x00BBGGRR), the way GDI fills and reads.
    void Fill(const RECT& rc, COLORREF cr);
    COLORREF Pixel(int x, int y) const;

    CDC dc;
    int width;
    int height;

private:
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hPrevious = nullptr;
    uint32_t* m_pBits = nullptr;
};
