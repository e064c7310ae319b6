#include "style/MemDC.h"

MemDC::MemDC(CDC* pTarget, const RECT& rcArea, BOOL bCopyBackground, BOOL bDiscard)
    : targetDC(pTarget), area(rcArea), copyBackground(bCopyBackground), discard(bDiscard) {
    printing = targetDC->IsPrinting();
    if (printing) {
        // Printers get no buffer: what is drawn goes straight to the page.
        m_hDC = targetDC->m_hDC;
        m_bPrinting = targetDC->m_bPrinting;
        return;
    }
    CreateCompatibleDC(targetDC->m_hDC);
    bitmap.CreateCompatibleBitmap(targetDC->m_hDC, area.Width(), area.Height());
    previousBitmap = SelectObject(bitmap.GetSafeHandle());
    ::SetWindowOrgEx(m_hDC, area.left, area.top, nullptr);
    if (copyBackground)
        BitBlt(area.left, area.top, area.Width(), area.Height(), targetDC->m_hDC, area.left, area.top, SRCCOPY);
}

MemDC::~MemDC() {
    if (printing) {
        // The handle is the target's; the base must not delete it.
        Detach();
        return;
    }
    if (!discard)
        targetDC->BitBlt(area.left, area.top, area.Width(), area.Height(), m_hDC, area.left, area.top, SRCCOPY);
    // Selected back whether or not the copy ran: a selected bitmap cannot be deleted.
    SelectObject(previousBitmap);
    bitmap.DeleteObject();
    DeleteDC();
}
