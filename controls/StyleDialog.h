#pragma once
// The skinned dialog base of the launcher's main window (template 102): up to
// three caption buttons (close, minimise, help) chosen by m_nOptions, the
// window's caption text, and the layout and frame rectangles that a subclass
// paints its skin over. The subclass sets the switches before the base
// OnInitDialog runs, because the data exchange inside it reads them.

#include "controls/StyleButton.h"
#include "framework/Dialog.h"
#include "framework/Static.h"

enum StyleDialogOption {
    SDO_TITLE_MARKER = 1,
    SDO_CLOSE = 2,
    SDO_MINIMIZE = 4,
    SDO_HELP = 8,
};

// Template and caption-button ids that every styled dialog shares.
enum : UINT {
    IDD_STYLE_DIALOG = 102,
    IDC_STYLE_MINIMIZE = 1007,
    IDC_STYLE_CLOSE = 1008,
    IDC_STYLE_HELP = 1017,
};

// The command of the system menu's About item, which the help button sends.
constexpr UINT IDM_ABOUTBOX = 0x0010;

class StyleDialog : public CDialog {
public:
    StyleDialog();

    StyleButton m_btnClose;
    StyleButton m_btnMinimize;
    StyleButton m_btnHelp;
    int m_nOptions = 0;
    CRect m_rcFrame;    // area of the window's background
    CRect m_rcLayout;   // client area (title-marker mode: the marker's rectangle)
    CRect m_rcClient;
    CRect m_rcDrag;     // title strip
    CPoint m_ptFrameOffset;  // client origin inside the window
    CString m_strCaption;
    CStatic m_titleMarker;

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    const MessageMap* GetMessageMap() const override;

protected:
    // Attaches the caption buttons whose option bits are set.
    void ExchangeCaptionButtons(CDataExchange* pDX);
    LRESULT OnEraseBkgnd(WPARAM wParam, LPARAM lParam);
    void OnCaptionClose() { OnCancel(); }
    void OnCaptionMinimize() { ShowWindow(SW_MINIMIZE); }
    void OnCaptionHelp() { SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX, 0); }

private:
    void ComputeGeometry();
};
