// Constructors of the CExtPaintManager paint records.
#include "toolkit/foundation/ExtPaintManager.h"

namespace
{

LPCTSTR TextOrEmpty(LPCTSTR psz) { return psz != nullptr ? psz : L""; }

} // namespace

CExtPaintManager::PushButtonPaintData::PushButtonPaintData(CObject* pHelperSrc, bool bHorizontal, const RECT& rcButton,
                                                           LPCTSTR pszText, CExtCmdIcon* pIcon, bool bFlat, bool bHot,
                                                           bool bPushed, bool bStateBit4, bool bEnabled,
                                                           bool bDrawBorder, bool bFocusRect, bool bDefault, int nAlign,
                                                           HFONT hFont, bool bDropDown, int nSysCmdId,
                                                           bool bNoBackground)
    : m_pHelperSrc(pHelperSrc), m_rcButton(rcButton), m_pszText(TextOrEmpty(pszText)), m_pIcon(pIcon), m_nAlign(nAlign),
      m_hFont(hFont), m_nSysCmdId(nSysCmdId), m_bHorizontal(bHorizontal), m_bFlat(bFlat), m_bHot(bHot),
      m_bPushed(bPushed), m_bStateBit4(bStateBit4), m_bEnabled(bEnabled), m_bDrawBorder(bDrawBorder),
      m_bFocusRect(bFocusRect), m_bDefault(bDefault), m_bDropDown(bDropDown), m_bNoBackground(bNoBackground),
      m_bSplitDropDown(false), m_bDropDownPushed(false), m_bSecondBit5(false), m_bSecondBit6(false),
      m_bSecondBit7(false)
{
    m_nDrawTextFlags = DT_SINGLELINE;
    if ((nAlign & 1) != 0)
        m_nDrawTextFlags |= DT_CENTER;
    else if ((nAlign & 2) != 0)
        m_nDrawTextFlags |= DT_RIGHT;
    if ((nAlign & 4) != 0)
        m_nDrawTextFlags |= DT_VCENTER;
}

CExtPaintManager::MenuItemPaintData::MenuItemPaintData(CObject* pHelperSrc, const RECT& rcItem,
                                                       const RECT& rcItemWithIndent, int nIconAreaWidth,
                                                       LPCTSTR pszText, LPCTSTR pszAccelText, CExtCmdIcon* pIcon,
                                                       bool bPopup, bool bSelected, bool bChecked, bool bRadio,
                                                       bool bStateBit4, bool bEnabled, bool bRarelyUsed,
                                                       bool bRarelyUsedPrev, bool bRarelyUsedNext, UINT nCmdId)
    : m_pHelperSrc(pHelperSrc), m_rcItem(rcItem), m_rcItemWithIndent(rcItemWithIndent),
      m_nIconAreaWidth(nIconAreaWidth), m_pszText(TextOrEmpty(pszText)), m_pszAccelText(TextOrEmpty(pszAccelText)),
      m_pIcon(pIcon), m_nCmdId(nCmdId), m_bPopup(bPopup), m_bSelected(bSelected), m_bChecked(bChecked),
      m_bRadio(bRadio), m_bStateBit4(bStateBit4), m_bEnabled(bEnabled), m_bRarelyUsed(bRarelyUsed),
      m_bRarelyUsedPrev(bRarelyUsedPrev), m_bRarelyUsedNext(bRarelyUsedNext), m_bNoIconColumn(false),
      m_bSubmenuGlyph(false), m_bSubmenuApart(false), m_bCheckBesideIcon(false), m_bCheckBesideIconShown(false),
      m_bSecondBit6(false), m_bSecondBit7(false)
{}

CExtPaintManager::CaptionButtonPaintData::CaptionButtonPaintData(CObject* pHelperSrc, const RECT& rcButton,
                                                                 int nGlyphIndex, bool bHover, bool bPushed,
                                                                 bool bEnabled, bool bStyleBit3, bool bStyleBit4,
                                                                 bool bStyleBit5)
    : m_pHelperSrc(pHelperSrc), m_rcButton(rcButton), m_nGlyphIndex(nGlyphIndex), m_bHover(bHover), m_bPushed(bPushed),
      m_bEnabled(bEnabled), m_bStyleBit3(bStyleBit3), m_bStyleBit4(bStyleBit4), m_bStyleBit5(bStyleBit5),
      m_bBit6(false), m_bBit7(false)
{}

CExtPaintManager::EditFramePaintData::EditFramePaintData(CObject* pHelperSrc, const RECT& rcEdit, bool bEditFrame,
                                                         bool bHover, bool bEnabled, bool bFocus)
    : m_pHelperSrc(pHelperSrc), m_rcEdit(rcEdit), m_bEditFrame(bEditFrame), m_bHover(bHover), m_bEnabled(bEnabled),
      m_bFocus(bFocus), m_bBit4(false), m_bBit5(false), m_bBit6(false), m_bBit7(false)
{}

CExtPaintManager::ComboFramePaintData::ComboFramePaintData(CObject* pHelperSrc, const RECT& rcClient, bool bHover,
                                                           bool bPushed, bool bEnabled)
    : m_pHelperSrc(pHelperSrc), m_rcClient(rcClient), m_bHover(bHover), m_bPushed(bPushed), m_bEnabled(bEnabled),
      m_bBit3(false), m_bBit4(false), m_bBit5(false), m_bBit6(false), m_bBit7(false)
{}

CExtPaintManager::CaptionPaintData::CaptionPaintData(CObject* pHelperSrc, const RECT& rcCaption, const RECT& rcText,
                                                     bool bActive, bool bActiveAlt, bool bVertical, bool bTextCaption,
                                                     LPCTSTR pszText)
    : m_pHelperSrc(pHelperSrc), m_rcCaption(rcCaption), m_rcText(rcText), m_bActive(bActive), m_bActiveAlt(bActiveAlt),
      m_bVertical(bVertical), m_bTextCaption(bTextCaption), m_bBit4(false), m_bBit5(false), m_bBit6(false),
      m_bBit7(false), m_pszText(TextOrEmpty(pszText))
{}

CExtPaintManager::DockingFramePaintData::DockingFramePaintData(CObject* pHelperSrc, const RECT& rcWindow,
                                                               const RECT& rcClient, bool bOuterFrame, bool bResizable,
                                                               bool bNoExtraGrip)
    : m_pHelperSrc(pHelperSrc), m_rcWindow(rcWindow), m_rcClient(rcClient), m_bOuterFrame(bOuterFrame),
      m_bResizable(bResizable), m_bNoExtraGrip(bNoExtraGrip), m_bBit3(false), m_bBit4(false), m_bBit5(false),
      m_bBit6(false), m_bBit7(false)
{}

CExtPaintManager::StatusBarPanePaintData::StatusBarPanePaintData(CObject* pHelperSrc, int nKind, DWORD dwStyle,
                                                                 const RECT& rc)
    : m_pHelperSrc(pHelperSrc), m_nKind(nKind), m_dwStyle(dwStyle), m_rc(rc)
{}

CExtPaintManager::TextFieldPaintData::TextFieldPaintData(CObject* pHelperSrc, LPCTSTR pszText, const RECT& rcButton,
                                                         const RECT& rcTextField, bool bComboField, bool bHover,
                                                         bool bPushed, bool bEnabled)
    : m_pHelperSrc(pHelperSrc), m_sText(TextOrEmpty(pszText)), m_rcButton(rcButton), m_rcTextField(rcTextField),
      m_bComboField(bComboField), m_bHover(bHover), m_bPushed(bPushed), m_bEnabled(bEnabled), m_bBit4(false),
      m_bBit5(false), m_bBit6(false), m_bBit7(false)
{}

CExtPaintManager::ListItemPaintData::ListItemPaintData(CObject* pHelperSrc, LPARAM lParam, CExtCmdIcon* pIcon,
                                                       CExtCmdIcon* pIcon2, const RECT& rcItem, const RECT& rcIcon,
                                                       const RECT& rcText, const RECT& rcLabel, LPCTSTR pszText,
                                                       DWORD dwItemFlags, DWORD dwFlags2, HFONT hFont)
    : m_pHelperSrc(pHelperSrc), m_lParam(lParam), m_pIcon(pIcon), m_pIcon2(pIcon2), m_rcItem(rcItem), m_rcIcon(rcIcon),
      m_rcText(rcText), m_rcLabel(rcLabel), m_sText(TextOrEmpty(pszText)), m_dwItemFlags(dwItemFlags),
      m_dwFlags2(dwFlags2), m_hFont(hFont)
{}
