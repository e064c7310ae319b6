#pragma once
// Owners of GDI objects: the object is deleted with its owner.

#include <windows.h>

class CGdiObject {
public:
    CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    ~CGdiObject() { DeleteObject(); }

    HGDIOBJ m_hObject = nullptr;
    HGDIOBJ GetSafeHandle() const { return m_hObject; }

    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    BOOL DeleteObject();
};

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF cr) { CreateSolidBrush(cr); }
    BOOL CreateSolidBrush(COLORREF cr) { return Attach(::CreateSolidBrush(cr)); }
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }  // NOLINT
};

class CPen : public CGdiObject {
public:
    BOOL CreatePen(int nStyle, int nWidth, COLORREF cr) { return Attach(::CreatePen(nStyle, nWidth, cr)); }
    operator HPEN() const { return static_cast<HPEN>(m_hObject); }  // NOLINT
};

class CBitmap : public CGdiObject {
public:
    BOOL CreateCompatibleBitmap(HDC hDC, int nWidth, int nHeight) {
        return Attach(::CreateCompatibleBitmap(hDC, nWidth, nHeight));
    }
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }  // NOLINT
};

class CRgn : public CGdiObject {
public:
    BOOL CreateRectRgn(int l, int t, int r, int b) { return Attach(::CreateRectRgn(l, t, r, b)); }
    BOOL CreateEllipticRgn(int l, int t, int r, int b) { return Attach(::CreateEllipticRgn(l, t, r, b)); }
    BOOL CreateRoundRectRgn(int l, int t, int r, int b, int w, int h) {
        return Attach(::CreateRoundRectRgn(l, t, r, b, w, h));
    }
    int CombineRgn(const CRgn& a, const CRgn& b, int nMode) {
        return ::CombineRgn(*this, a, b, nMode);
    }
    operator HRGN() const { return static_cast<HRGN>(m_hObject); }  // NOLINT
};
