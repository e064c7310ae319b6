#pragma once
// Device contexts: CDC wraps a handle (owning one made by CreateCompatibleDC);
// CPaintDC brackets a paint cycle; CClientDC and CWindowDC borrow a window's
// context and give it back.

#include <windows.h>

#include "framework/Rect.h"

class CWnd;

class CDC {
public:
    CDC() = default;
    explicit CDC(HDC hDC) : m_hDC(hDC) {}
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC();

    HDC m_hDC = nullptr;
    operator HDC() const { return m_hDC; }  // NOLINT
    HDC GetSafeHdc() const { return m_hDC; }

    BOOL CreateCompatibleDC(HDC hDC);
    BOOL DeleteDC();
    HDC Detach();

    // TRUE while the context belongs to a printer or a print preview.
    BOOL m_bPrinting = FALSE;
    BOOL IsPrinting() const { return m_bPrinting; }

    HGDIOBJ SelectObject(HGDIOBJ hObject) { return ::SelectObject(m_hDC, hObject); }
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, HDC hSrc, int xSrc, int ySrc, DWORD dwRop) {
        return ::BitBlt(m_hDC, x, y, nWidth, nHeight, hSrc, xSrc, ySrc, dwRop);
    }
    void FillSolidRect(const RECT& rc, COLORREF cr);
    BOOL DrawIcon(int x, int y, HICON hIcon) { return ::DrawIcon(m_hDC, x, y, hIcon); }
    int DrawText(const char* pszText, RECT* pRect, UINT nFormat) {
        return ::DrawTextA(m_hDC, pszText, -1, pRect, nFormat);
    }
    COLORREF SetTextColor(COLORREF cr) { return ::SetTextColor(m_hDC, cr); }
    int SetBkMode(int nMode) { return ::SetBkMode(m_hDC, nMode); }
    int GetDeviceCaps(int nIndex) const { return ::GetDeviceCaps(m_hDC, nIndex); }
    BOOL GetClipBox(LPRECT pRect) const { return ::GetClipBox(m_hDC, pRect) != ERROR; }

private:
    bool m_bOwned = false;
};

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;
    PAINTSTRUCT m_ps{};

private:
    HWND m_hWnd;
};

class CClientDC : public CDC {
public:
    explicit CClientDC(HWND hWnd) : CDC(::GetDC(hWnd)), m_hWnd(hWnd) {}
    ~CClientDC() override { ::ReleaseDC(m_hWnd, Detach()); }

private:
    HWND m_hWnd;
};

class CWindowDC : public CDC {
public:
    explicit CWindowDC(HWND hWnd) : CDC(::GetWindowDC(hWnd)), m_hWnd(hWnd) {}
    ~CWindowDC() override { ::ReleaseDC(m_hWnd, Detach()); }

private:
    HWND m_hWnd;
};
