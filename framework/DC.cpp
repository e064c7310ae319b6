#include "framework/DC.h"

#include "framework/Wnd.h"

CDC::~CDC() { DeleteDC(); }

BOOL CDC::CreateCompatibleDC(HDC hDC) {
    DeleteDC();
    m_hDC = ::CreateCompatibleDC(hDC);
    m_bOwned = m_hDC != nullptr;
    return m_bOwned;
}

BOOL CDC::DeleteDC() {
    if (!m_bOwned || !m_hDC)
        return FALSE;
    const BOOL bDeleted = ::DeleteDC(m_hDC);
    m_hDC = nullptr;
    m_bOwned = false;
    return bDeleted;
}

HDC CDC::Detach() {
    HDC hDC = m_hDC;
    m_hDC = nullptr;
    m_bOwned = false;
    return hDC;
}

void CDC::FillSolidRect(const RECT& rc, COLORREF cr) {
    const COLORREF crOld = ::SetBkColor(m_hDC, cr);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, crOld);
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd) { m_hDC = ::BeginPaint(m_hWnd, &m_ps); }

CPaintDC::~CPaintDC() {
    ::EndPaint(m_hWnd, &m_ps);
    Detach();
}
