#include "tests/style/Canvas.h"

#include <gtest/gtest.h>

#include "style/GdiPlus.h"

Canvas::Canvas(int width, int height) : width(width), height(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down, so row y is at y * width
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    HDC hScreen = ::GetDC(nullptr);
    m_hBitmap = ::CreateDIBSection(hScreen, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
    dc.CreateCompatibleDC(hScreen);
    ::ReleaseDC(nullptr, hScreen);
    m_pBits = static_cast<uint32_t*>(pBits);
    m_hPrevious = dc.SelectObject(m_hBitmap);
}

Canvas::~Canvas() {
    dc.SelectObject(m_hPrevious);
    ::DeleteObject(m_hBitmap);
}

void Canvas::Fill(const RECT& rc, COLORREF cr) { dc.FillSolidRect(rc, cr); }

COLORREF Canvas::Pixel(int x, int y) const {
    ::GdiFlush();
    const uint32_t bgrx = m_pBits[y * width + x];
    return RGB((bgrx >> 16) & 0xFF, (bgrx >> 8) & 0xFF, bgrx & 0xFF);
}

namespace {

class GdiPlusSession : public ::testing::Environment {
public:
    void SetUp() override {
        const Gdiplus::GdiplusStartupInput input;
        ASSERT_EQ(Gdiplus::GdiplusStartup(&m_token, &input, nullptr), gdip::Ok);
    }
    void TearDown() override { Gdiplus::GdiplusShutdown(m_token); }

private:
    ULONG_PTR m_token = 0;
};

const auto* const g_session = ::testing::AddGlobalTestEnvironment(new GdiPlusSession);

}  // namespace
