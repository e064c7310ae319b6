#pragma once
// A dialog from a template of the program's resources. DoModal runs the
// dialog's own message loop, which gives every window of the dialog its
// PreTranslateMessage before the dialog keys are handled; the loop ends with
// EndDialog. Initialisation runs the data exchange in load direction; OK runs
// it in save direction.
//
// Typical overrides: DoDataExchange, OnInitDialog, OnOK, OnCancel, GetMessageMap.

#include "framework/DataExchange.h"
#include "framework/Wnd.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIdTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    virtual INT_PTR DoModal();
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange*) {}
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    BOOL PreTranslateMessage(MSG* pMsg) override;
    const MessageMap* GetMessageMap() const override;

    UINT m_nIdTemplate;
    CWnd* m_pParentWnd;

protected:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam);
    void RunModalLoop();
    HWND FindOwner() const;

    int m_nModalResult = -1;
    bool m_bEndModal = false;
};
