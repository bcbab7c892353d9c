// CExtColorDlg: initialisation, the fields kept in step with the two colour controls, and the mode choice.
#include "toolkit/extras/ExtColorDlg.h"
#include "platform/DialogDataExchange.h"
#include "platform/MessageBox.h"
#include "toolkit/foundation/ExtPaintManager.h"
#include "toolkit/foundation/ExtResourceManager.h"
#include <cwchar>

namespace
{
// The labels bound by id, in binding order.
const UINT g_arrLabelIds[12] = {IDC_EXT_COLOR_LABEL_MODE, IDC_EXT_COLOR_LABEL_R,   IDC_EXT_COLOR_LABEL_G,
                                IDC_EXT_COLOR_LABEL_B,    IDC_EXT_COLOR_LABEL_C,   IDC_EXT_COLOR_LABEL_M,
                                IDC_EXT_COLOR_LABEL_Y,    IDC_EXT_COLOR_LABEL_H,   IDC_EXT_COLOR_LABEL_S,
                                IDC_EXT_COLOR_LABEL_L,    IDC_EXT_COLOR_LABEL_NEW, IDC_EXT_COLOR_LABEL_OLD};

void SetNumber(CEdit& edit, int n)
{
    wchar_t sz[16];
    std::swprintf(sz, 16, L"%d", n);
    edit.SetWindowText(sz);
}

int HlsField(double v) { return std::min(255, (int)(v * 255.0 + 0.5)); }

double HlsFromField(int v) { return std::min(1.0, (v + 0.5) / 255.0); }
} // namespace

const wchar_t* const CExtColorDlg::kRangeErrorText = L"Value must be in range 0..255";

IMPLEMENT_DYNCREATE(CExtColorDlg, CExtResizableDialog)

BEGIN_MESSAGE_MAP(CExtColorDlg, CExtResizableDialog)
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_WM_CONTEXTMENU()
ON_CBN_SELENDOK(IDC_EXT_COLOR_MODE, OnSelEndOkMode)
ON_REGISTERED_MESSAGE(CExtColorCtrl::g_nMsgColorChanged, OnColorChanged)
ON_EN_CHANGE(IDC_EXT_COLOR_EDIT_R, OnChangeRGB)
ON_EN_CHANGE(IDC_EXT_COLOR_EDIT_G, OnChangeRGB)
ON_EN_CHANGE(IDC_EXT_COLOR_EDIT_B, OnChangeRGB)
ON_EN_CHANGE(IDC_EXT_COLOR_EDIT_C, OnChangeCMY)
ON_EN_CHANGE(IDC_EXT_COLOR_EDIT_M, OnChangeCMY)
ON_EN_CHANGE(IDC_EXT_COLOR_EDIT_Y, OnChangeCMY)
ON_EN_CHANGE(IDC_EXT_COLOR_EDIT_H, OnChangeHSL)
ON_EN_CHANGE(IDC_EXT_COLOR_EDIT_S, OnChangeHSL)
ON_EN_CHANGE(IDC_EXT_COLOR_EDIT_L, OnChangeHSL)
END_MESSAGE_MAP()

CExtColorDlg::CExtColorDlg(COLORREF clrInit, COLORREF clrNew, CWnd* pParent)
    : CExtResizableDialog(IDD_EXT_COLOR_DLG, pParent), m_clrInit(clrInit), m_clrNew(clrNew), m_wndColorCtrlMain(0),
      m_wndColorCtrlDiff(15)
{
    m_hIcon = ::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDI_EXT_COLOR_DLG));
}

CExtColorDlg::~CExtColorDlg() {}

void CExtColorDlg::DoDataExchange(CDataExchange* pDX)
{
    CExtResizableDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_EXT_COLOR_SPIN_C, m_spinC);
    DDX_Control(pDX, IDC_EXT_COLOR_SPIN_M, m_spinM);
    DDX_Control(pDX, IDC_EXT_COLOR_SPIN_Y, m_spinY);
    DDX_Control(pDX, IDC_EXT_COLOR_SPIN_S, m_spinS);
    DDX_Control(pDX, IDC_EXT_COLOR_SPIN_R, m_spinR);
    DDX_Control(pDX, IDC_EXT_COLOR_SPIN_L, m_spinL);
    DDX_Control(pDX, IDC_EXT_COLOR_SPIN_H, m_spinH);
    DDX_Control(pDX, IDC_EXT_COLOR_SPIN_G, m_spinG);
    DDX_Control(pDX, IDC_EXT_COLOR_SPIN_B, m_spinB);
    DDX_Control(pDX, IDC_EXT_COLOR_EDIT_C, m_editC);
    DDX_Control(pDX, IDC_EXT_COLOR_EDIT_M, m_editM);
    DDX_Control(pDX, IDC_EXT_COLOR_EDIT_Y, m_editY);
    DDX_Control(pDX, IDC_EXT_COLOR_EDIT_S, m_editS);
    DDX_Control(pDX, IDC_EXT_COLOR_EDIT_R, m_editR);
    DDX_Control(pDX, IDC_EXT_COLOR_EDIT_L, m_editL);
    DDX_Control(pDX, IDC_EXT_COLOR_EDIT_H, m_editH);
    DDX_Control(pDX, IDC_EXT_COLOR_EDIT_G, m_editG);
    DDX_Control(pDX, IDC_EXT_COLOR_EDIT_B, m_editB);
    DDX_Control(pDX, IDC_EXT_COLOR_MODE, m_comboMode);
    DDX_Control(pDX, IDCANCEL, m_btnCancel);
    DDX_Control(pDX, IDOK, m_btnOK);
    for (int i = 0; i < 12; i++)
        DDX_Control(pDX, g_arrLabelIds[i], m_labels[i]);
}

CString CExtColorDlg::CaptionFromString(const CString& strCaption)
{
    const int n = strCaption.Find(L'\n');
    if (n > 0)
        return strCaption.Mid(n + 1);
    return strCaption;
}

BOOL CExtColorDlg::OnInitDialog()
{
    if (!CExtResizableDialog::OnInitDialog())
        return FALSE;
    for (int i = 0; i < CExtColorCtrl::kNamedModes; i++)
        m_comboMode.AddString(CExtColorCtrl::GetModeName(i));
    SendMessage(WM_SETICON, ICON_BIG, (LPARAM)m_hIcon);
    SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)m_hIcon);
    if (!m_strCaption.IsEmpty())
        SetWindowText(CaptionFromString(m_strCaption));

    m_wndColorCtrlMain.m_selClrs.m_clrCurrent = m_clrNew;
    m_wndColorCtrlMain.m_selClrs.m_clrRef = m_wndColorCtrlMain.m_selClrs.m_clrPrev = m_clrInit;
    m_wndColorCtrlDiff.m_selClrs.m_clrCurrent = m_wndColorCtrlDiff.m_selClrs.m_clrRef =
        m_wndColorCtrlDiff.m_selClrs.m_clrPrev = m_clrInit;
    m_comboMode.SetCurSel(m_wndColorCtrlMain.m_nMode);

    AddAnchorById(IDC_EXT_COLOR_MODE, CSize(0, 0), CSize(100, 0));
    AddAnchorById(IDC_EXT_COLOR_CTRL_MAIN, CSize(0, 0), CSize(100, 100));
    for (UINT nID = IDC_EXT_COLOR_LABEL_R; nID <= IDC_EXT_COLOR_SPIN_Y; nID++)
    {
        if (nID != IDC_EXT_COLOR_CTRL_DIFF && ::GetDlgItem(m_hWnd, nID) != nullptr)
            AddAnchorById(nID, CSize(100, 0));
    }
    AddAnchorById(IDC_EXT_COLOR_CTRL_DIFF, CSize(100, 0));
    AddAnchorById(IDOK, CSize(0, 100));
    AddAnchorById(IDCANCEL, CSize(0, 100));

    m_wndColorCtrlMain.SubclassDlgItem(IDC_EXT_COLOR_CTRL_MAIN, this);
    m_wndColorCtrlDiff.SubclassDlgItem(IDC_EXT_COLOR_CTRL_DIFF, this);

    CSpinButtonCtrl* const arrSpins[9] = {&m_spinC, &m_spinM, &m_spinY, &m_spinS, &m_spinR,
                                          &m_spinL, &m_spinH, &m_spinG, &m_spinB};
    for (CSpinButtonCtrl* pSpin : arrSpins)
        pSpin->SetRange(0, 255);

    m_bDialogInitComplete = true;
    m_bUpdatingColors = true;
    SyncFromColor(m_clrNew, true, true, true);
    m_bUpdatingColors = false;
    m_wndColorCtrlMain.SetColor(m_clrNew, false);
    return TRUE;
}

void CExtColorDlg::SyncFromColor(COLORREF clr, bool bRGB, bool bCMY, bool bHSL)
{
    if (bRGB)
    {
        SetNumber(m_editR, GetRValue(clr));
        SetNumber(m_editG, GetGValue(clr));
        SetNumber(m_editB, GetBValue(clr));
    }
    if (bCMY)
    {
        const COLORREF clrInv = CExtPaintManager::InvertColor(clr);
        SetNumber(m_editC, GetRValue(clrInv));
        SetNumber(m_editM, GetGValue(clrInv));
        SetNumber(m_editY, GetBValue(clrInv));
    }
    if (bHSL)
    {
        double h = 0.0, s = 0.0, l = 0.0;
        CExtPaintManager::RgbToHls(clr, &h, &s, &l);
        SetNumber(m_editH, HlsField(h));
        SetNumber(m_editS, HlsField(s));
        SetNumber(m_editL, HlsField(l));
    }
    if (m_wndColorCtrlMain.m_selClrs.m_clrCurrent != clr)
        m_wndColorCtrlMain.SetColor(clr, false);
    if (m_wndColorCtrlDiff.m_selClrs.m_clrCurrent != clr)
        m_wndColorCtrlDiff.SetColor(clr, false);
    m_clrNew = m_wndColorCtrlMain.m_selClrs.m_clrCurrent;
}

bool CExtColorDlg::ReadFields(CEdit* pEdits[3], int nValues[3])
{
    for (int i = 0; i < 3; i++)
    {
        CString s;
        pEdits[i]->GetWindowText(s);
        const wchar_t* psz = s;
        wchar_t* pEnd = nullptr;
        const long n = std::wcstol(psz, &pEnd, 10);
        // An empty field or a lone sign is being retyped: neither an error nor a value.
        if (pEnd == psz)
            return false;
        if (n < 0 || n > 255)
        {
            CString sText;
            if (!g_ResourceManagerHolder->LoadStringRes(sText, IDS_EXT_COLOR_RANGE) || sText.IsEmpty())
                sText = kRangeErrorText;
            AfxMessageBox(sText, MB_OK | MB_ICONEXCLAMATION);
            if (::IsWindow(pEdits[i]->GetSafeHwnd()))
                pEdits[i]->SetFocus();
            return false;
        }
        nValues[i] = (int)n;
    }
    return true;
}

void CExtColorDlg::OnChangeRGB()
{
    if (!m_bDialogInitComplete || m_bUpdatingColors)
        return;
    m_bUpdatingColors = true;
    CEdit* arr[3] = {&m_editR, &m_editG, &m_editB};
    int v[3];
    if (ReadFields(arr, v))
        SyncFromColor(RGB(v[0], v[1], v[2]), false, true, true);
    m_bUpdatingColors = false;
}

void CExtColorDlg::OnChangeCMY()
{
    if (!m_bDialogInitComplete || m_bUpdatingColors)
        return;
    m_bUpdatingColors = true;
    CEdit* arr[3] = {&m_editC, &m_editM, &m_editY};
    int v[3];
    if (ReadFields(arr, v))
        SyncFromColor(CExtPaintManager::InvertColor(RGB(v[0], v[1], v[2])), true, false, true);
    m_bUpdatingColors = false;
}

void CExtColorDlg::OnChangeHSL()
{
    if (!m_bDialogInitComplete || m_bUpdatingColors)
        return;
    m_bUpdatingColors = true;
    CEdit* arr[3] = {&m_editH, &m_editS, &m_editL};
    int v[3];
    if (ReadFields(arr, v))
        SyncFromColor(CExtPaintManager::HlsToRgb(HlsFromField(v[0]), HlsFromField(v[2]), HlsFromField(v[1])), true,
                      true, false);
    m_bUpdatingColors = false;
}

LRESULT CExtColorDlg::OnColorChanged(WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    if (m_bUpdatingColors || lParam == 0)
        return 0;
    m_bUpdatingColors = true;
    SyncFromColor(((const CExtColorCtrl::selection_colors_t*)lParam)->m_clrCurrent, true, true, true);
    m_bUpdatingColors = false;
    return 0;
}

void CExtColorDlg::OnSelEndOkMode()
{
    if (!m_bDialogInitComplete)
        return;
    // CB_ERR (no selection) and anything outside the modes leave the control as it is.
    if (!m_wndColorCtrlMain.SetMode(m_comboMode.GetCurSel()))
        return;
    m_wndColorCtrlMain.RecalcLayout(true);
    ::InvalidateRect(m_wndColorCtrlMain.GetSafeHwnd(), nullptr, TRUE);
    ::UpdateWindow(m_wndColorCtrlMain.GetSafeHwnd());
}

void CExtColorDlg::OnPaint()
{
    if (!IsIconic())
    {
        CExtResizableDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, (WPARAM)dc.GetSafeHdc(), 0);
    CRect rc;
    GetClientRect(&rc);
    const int cx = ::GetSystemMetrics(SM_CXICON), cy = ::GetSystemMetrics(SM_CYICON);
    ::DrawIcon(dc.GetSafeHdc(), (rc.Width() - cx + 1) / 2, (rc.Height() - cy + 1) / 2, m_hIcon);
}

HCURSOR CExtColorDlg::OnQueryDragIcon() { return (HCURSOR)m_hIcon; }

void CExtColorDlg::OnContextMenu(CWnd* pWnd, CPoint pos)
{
    (void)pWnd;
    (void)pos;
}

LRESULT CExtColorDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND hWnd = GetSafeHwnd();
    const LRESULT lResult = CExtResizableDialog::WindowProc(message, wParam, lParam);
    // WM_SIZE ends with the whole dialog repainted, after the anchors have moved the fields (they move once the
    // message map's handlers have run): repainting the dialog alone left pieces of the fields behind.
    if (message == WM_SIZE && ::IsWindow(hWnd))
        ::RedrawWindow(hWnd, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return lResult;
}
