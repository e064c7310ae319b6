#pragma once
// The launcher's main window: eight tiles on a borderless dialog that the user
// drags by any point of its background. Tile clicks call the companion
// modules; the configuring modules' results decide which tiles are enabled.

#include "app/ConnectionSettings.h"
#include "controls/StyleDialog.h"
#include "framework/Static.h"

class CVOREX100SetDlg : public StyleDialog {
public:
    CVOREX100SetDlg();

    HICON m_hIcon;
    StyleButton m_btnPortSetup;
    StyleButton m_btnLogoSetup;
    StyleButton m_btnUserSetup;
    StyleButton m_btnFwDownload;
    StyleButton m_btnNetConfig;
    StyleButton m_btnExit;
    StyleButton m_btnSamplePrint;
    StyleButton m_btnCustomChime;
    CStatic m_labels[7];  // title line, then the labels of Port Setup to EXIT
    CStatic m_labelSamplePrint;
    CStatic m_labelCustomChime;
    int m_nTitleImage = 150;

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    const MessageMap* GetMessageMap() const override;

    // Enables the printer-dependent tiles for connected == 1; otherwise
    // disables them and Custom Chime.
    void ApplyConnectionState(std::uint8_t connected);
    // The path of the tone-designer program beside the launcher.
    static CString ToneDesignerPath();

protected:
    LRESULT OnSysCommand(WPARAM nId, LPARAM lParam);
    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnQueryDragIcon(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(m_hIcon); }
    LRESULT OnNcHitTest(WPARAM, LPARAM) { return HTCAPTION; }

    void OnPortSetup();
    void OnNetConfig();
    void OnLogoSetup();
    void OnUserSetup();
    void OnFwDownload();
    void OnSamplePrint();
    void OnCustomChime();

private:
    void AddAboutMenuItem();
    void SetTileEnabled(StyleButton& tile, bool bEnabled);
};
