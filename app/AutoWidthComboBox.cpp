// CAutoWidthComboBox: the drop-down width follows the longest item.
#include "app/AutoWidthComboBox.h"
#include "platform/Dc.h"
#include <algorithm>

IMPLEMENT_DYNAMIC(CAutoWidthComboBox, CExtComboBox)

BEGIN_MESSAGE_MAP(CAutoWidthComboBox, CExtComboBox)
ON_CONTROL_REFLECT_EX(CBN_DROPDOWN, OnDropDown)
END_MESSAGE_MAP()

CAutoWidthComboBox::CAutoWidthComboBox() {}

CAutoWidthComboBox::~CAutoWidthComboBox() {}

int CAutoWidthComboBox::ComputeDroppedWidth()
{
    CClientDC dc(this);
    CFont* pFont = GetFont();
    CFont* pOld = pFont ? dc.SelectObject(pFont) : nullptr;
    const int nScroll = ::GetSystemMetrics(SM_CXVSCROLL);
    int nWidest = 0;
    for (int i = 0; i < GetCount(); ++i)
    {
        CString strItem;
        GetLBText(i, strItem);
        nWidest = std::max(nWidest, (int)dc.GetTextExtent(strItem).cx + nScroll);
    }
    nWidest += dc.GetTextExtent(CString(L"0")).cx;
    if (pOld)
        dc.SelectObject(pOld);
    return nWidest;
}

BOOL CAutoWidthComboBox::OnDropDown()
{
    SetDroppedWidth(ComputeDroppedWidth());
    return FALSE; // the parent hears of it too
}
