#include "controls/StyleDialog.h"

#include "framework/DC.h"

StyleDialog::StyleDialog() : CDialog(IDD_STYLE_DIALOG) {}

const MessageMap* StyleDialog::GetMessageMap() const {
    static const MessageEntry entries[] = {
        OnMessage<&StyleDialog::OnEraseBkgnd>(WM_ERASEBKGND),
        OnCommand<&StyleDialog::OnCaptionClose>(IDC_STYLE_CLOSE),
        OnCommand<&StyleDialog::OnCaptionMinimize>(IDC_STYLE_MINIMIZE),
        OnCommand<&StyleDialog::OnCaptionHelp>(IDC_STYLE_HELP),
    };
    static const MessageMap map{CDialog::GetMessageMap(), entries};
    return &map;
}

void StyleDialog::ExchangeCaptionButtons(CDataExchange* pDX) {
    if (m_nOptions & SDO_CLOSE)
        DDX_Control(pDX, IDC_STYLE_CLOSE, m_btnClose);
    if (m_nOptions & SDO_MINIMIZE)
        DDX_Control(pDX, IDC_STYLE_MINIMIZE, m_btnMinimize);
    if (m_nOptions & SDO_HELP)
        DDX_Control(pDX, IDC_STYLE_HELP, m_btnHelp);
}

void StyleDialog::DoDataExchange(CDataExchange* pDX) { ExchangeCaptionButtons(pDX); }

BOOL StyleDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    ComputeGeometry();
    if (!m_strCaption.IsEmpty())
        SetWindowText(m_strCaption);
    ::SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>(GetStyle() & ~WS_MAXIMIZEBOX));
    return TRUE;
}

void StyleDialog::ComputeGeometry() {
    CRect rcClient;
    GetClientRect(rcClient);
    m_rcClient = rcClient;
    if (m_nOptions & SDO_TITLE_MARKER) {
        m_rcFrame = rcClient;
        if (m_titleMarker.m_hWnd) {
            CRect rcMarker;
            m_titleMarker.GetWindowRect(rcMarker);
            ScreenToClient(rcMarker);
            m_rcLayout = rcMarker;
            m_rcDrag = CRect(rcClient.left, rcClient.top, rcClient.right, rcMarker.top);
        }
        return;
    }
    // Frame mode: the frame and caption around the client area.
    CRect rcBorders;
    ::AdjustWindowRectEx(rcBorders, GetStyle(), FALSE, GetExStyle() & ~WS_EX_CLIENTEDGE);
    m_ptFrameOffset = CPoint(-rcBorders.left, -rcBorders.top);
    CRect rcWindow;
    GetWindowRect(rcWindow);
    ScreenToClient(rcWindow);
    rcWindow.OffsetRect(m_ptFrameOffset);
    m_rcFrame = rcWindow;
    m_rcLayout = rcClient;
    m_rcDrag = CRect(m_rcFrame.left, m_rcFrame.top, m_rcFrame.right, m_ptFrameOffset.y);
}

LRESULT StyleDialog::OnEraseBkgnd(WPARAM wParam, LPARAM) {
    // Until the dialog has a background look of its own it shows the
    // system's dialog face.
    CDC dc(reinterpret_cast<HDC>(wParam));
    dc.FillSolidRect(m_rcClient, ::GetSysColor(COLOR_BTNFACE));
    dc.Detach();
    return TRUE;
}
