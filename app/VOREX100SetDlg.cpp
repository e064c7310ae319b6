#include "app/VOREX100SetDlg.h"

#include <cstring>
#include <initializer_list>

#include "app/AboutDlg.h"
#include "app/CompanionModules.h"
#include "app/StartDirectory.h"
#include "app/resource.h"
#include "framework/DC.h"
#include "framework/Menu.h"

CVOREX100SetDlg::CVOREX100SetDlg()
    : m_hIcon(::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME))) {}

const MessageMap* CVOREX100SetDlg::GetMessageMap() const {
    static const MessageEntry entries[] = {
        OnMessage<&CVOREX100SetDlg::OnSysCommand>(WM_SYSCOMMAND),
        OnMessage<&CVOREX100SetDlg::OnPaint>(WM_PAINT),
        OnMessage<&CVOREX100SetDlg::OnQueryDragIcon>(WM_QUERYDRAGICON),
        OnMessage<&CVOREX100SetDlg::OnNcHitTest>(WM_NCHITTEST),
        OnCommand<&CVOREX100SetDlg::OnPortSetup>(IDC_PORT_SETUP),
        OnCommand<&CVOREX100SetDlg::OnLogoSetup>(IDC_LOGO_SETUP),
        OnCommand<&CVOREX100SetDlg::OnUserSetup>(IDC_USER_SETUP),
        OnCommand<&CVOREX100SetDlg::OnNetConfig>(IDC_NET_CONFIG),
        OnCommand<&CVOREX100SetDlg::OnFwDownload>(IDC_FW_DOWNLOAD),
        OnCommand<&CVOREX100SetDlg::OnSamplePrint>(IDC_SAMPLE_PRINT),
        OnCommand<&CVOREX100SetDlg::OnOK>(IDC_EXIT),
        OnCommand<&CVOREX100SetDlg::OnCustomChime>(IDC_CUSTOM_CHIME),
    };
    static const MessageMap map{StyleDialog::GetMessageMap(), entries};
    return &map;
}

void CVOREX100SetDlg::DoDataExchange(CDataExchange* pDX) {
    ExchangeCaptionButtons(pDX);
    DDX_Control(pDX, IDC_PORT_SETUP, m_btnPortSetup);
    DDX_Control(pDX, IDC_LOGO_SETUP, m_btnLogoSetup);
    DDX_Control(pDX, IDC_USER_SETUP, m_btnUserSetup);
    DDX_Control(pDX, IDC_NET_CONFIG, m_btnNetConfig);
    DDX_Control(pDX, IDC_FW_DOWNLOAD, m_btnFwDownload);
    DDX_Control(pDX, IDC_CUSTOM_CHIME, m_btnCustomChime);
    DDX_Control(pDX, IDC_EXIT, m_btnExit);
    for (int i = 0; i < 7; ++i)
        DDX_Control(pDX, IDC_TITLE_LINE + i, m_labels[i]);
    DDX_Control(pDX, IDC_SAMPLE_PRINT, m_btnSamplePrint);
    DDX_Control(pDX, IDC_LABEL_SAMPLE_PRINT, m_labelSamplePrint);
    DDX_Control(pDX, IDC_LABEL_CUSTOM_CHIME, m_labelCustomChime);
}

BOOL CVOREX100SetDlg::OnInitDialog() {
    m_nOptions = SDO_CLOSE | SDO_MINIMIZE | SDO_HELP;
    CaptureStartDirectory();
    TheConnectionSettings().logPath = StartDirectoryPath("Log.ini");
    m_strCaption = "VOREX&MAVRO Tool";
    StyleDialog::OnInitDialog();

    AddAboutMenuItem();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    m_nTitleImage = 150;

    for (StyleButton* pTile : {&m_btnLogoSetup, &m_btnUserSetup, &m_btnFwDownload, &m_btnSamplePrint})
        SetTileEnabled(*pTile, false);
    TheConnectionSettings().connected = 0;
    return TRUE;
}

void CVOREX100SetDlg::AddAboutMenuItem() {
    CMenu menu = GetSystemMenu(FALSE);
    if (!menu.m_hMenu)
        return;
    CString strAbout;
    if (!strAbout.LoadString(IDS_ABOUTBOX) || strAbout.IsEmpty())
        return;
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, IDM_ABOUTBOX, strAbout);
}

LRESULT CVOREX100SetDlg::OnSysCommand(WPARAM nId, LPARAM) {
    if ((nId & 0xFFF0) != IDM_ABOUTBOX)
        return Default();
    CAboutDlg about;
    about.DoModal();
    return 0;
}

LRESULT CVOREX100SetDlg::OnPaint(WPARAM, LPARAM) {
    if (!IsIconic())
        return Default();
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    const int x = (m_rcLayout.Width() - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (m_rcLayout.Height() - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
    return 0;
}

void CVOREX100SetDlg::SetTileEnabled(StyleButton& tile, bool bEnabled) {
    tile.m_bDisabledLook = !bEnabled;
    tile.EnableWindow(bEnabled);
}

void CVOREX100SetDlg::ApplyConnectionState(std::uint8_t connected) {
    const bool bConnected = connected == 1;
    for (StyleButton* pTile : {&m_btnLogoSetup, &m_btnUserSetup, &m_btnFwDownload, &m_btnSamplePrint})
        SetTileEnabled(*pTile, bConnected);
    // Custom Chime goes down with them but does not come back.
    if (!bConnected)
        SetTileEnabled(m_btnCustomChime, false);
}

void CVOREX100SetDlg::OnPortSetup() {
    CallConfiguringModule(&PortSetup, TheConnectionSettings());
    ApplyConnectionState(TheConnectionSettings().connected);
}

void CVOREX100SetDlg::OnNetConfig() {
    CallConfiguringModule(&NetConfig, TheConnectionSettings());
    ApplyConnectionState(TheConnectionSettings().connected);
}

void CVOREX100SetDlg::OnLogoSetup() { CallUsingModule(&LogoSetup, TheConnectionSettings()); }
void CVOREX100SetDlg::OnUserSetup() { CallUsingModule(&UserSetup, TheConnectionSettings()); }
void CVOREX100SetDlg::OnFwDownload() { CallUsingModule(&FwDownload, TheConnectionSettings()); }
void CVOREX100SetDlg::OnSamplePrint() { CallUsingModule(&SamplePrint, TheConnectionSettings()); }

CString CVOREX100SetDlg::ToneDesignerPath() {
    char szPath[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, szPath, 255);
    CString path(szPath);
    const char* pszSlash = strrchr(path, '\\');
    path.SetString(path, pszSlash ? static_cast<int>(pszSlash - path.GetString()) : 0);
    return path + "\\ChimeStudio\\Chime Studio.exe";
}

void CVOREX100SetDlg::OnCustomChime() {
    // Whether the tile should start the tone designer is not settled yet:
    // it only finds where the program would be.
    const CString path = ToneDesignerPath();
    static_cast<void>(path);
}
