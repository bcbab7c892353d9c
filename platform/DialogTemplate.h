// A dialog template in global memory: loaded from resources or copied from memory, with its
// font read and replaced (plain and extended templates).
#pragma once
#include "platform/String.h"

class CDialogTemplate
{
public:
    CDialogTemplate(const DLGTEMPLATE* pTemplate = nullptr);
    CDialogTemplate(HGLOBAL hGlobal);
    ~CDialogTemplate();

    BOOL Load(LPCTSTR lpDialogTemplateID);
    BOOL SetTemplate(const DLGTEMPLATE* pTemplate, UINT cb);
    HGLOBAL Detach();
    // A copy of a template of cb bytes in the given font, for the caller to GlobalFree; null when
    // it cannot be made.
    static HGLOBAL CopyWithFont(const DLGTEMPLATE* pTemplate, UINT cb, LPCTSTR lpFaceName, WORD nFontSize);

    BOOL HasFont() const;
    BOOL SetFont(LPCTSTR lpFaceName, WORD nFontSize);
    BOOL SetSystemFont(WORD nFontSize = 0);
    BOOL GetFont(CString& strFaceName, WORD& nFontSize) const;
    // The window class the dialog is created with (a class whose procedure is DefDlgProc).
    BOOL SetClassName(LPCTSTR lpszClassName);
    void GetSizeInDialogUnits(SIZE* pSize) const;
    void GetSizeInPixels(SIZE* pSize) const;

    static BOOL GetFont(const DLGTEMPLATE* pTemplate, CString& strFaceName, WORD& nFontSize);
    // Bytes of a whole template, its items included (a template of the program's own memory).
    static UINT GetTemplateSize(const DLGTEMPLATE* pTemplate);
    // The same for a template that must lie within cbAvailable bytes (a resource, outside data): 0
    // when its header, font or items run past them. The walk reads nothing past them.
    static UINT GetTemplateSize(const DLGTEMPLATE* pTemplate, UINT cbAvailable);
    // As the system: version 1 and signature 0xFFFF.
    static BOOL IsDialogEx(const DLGTEMPLATE* pTemplate)
    {
        return ((const WORD*)pTemplate)[0] == 1 && ((const WORD*)pTemplate)[1] == 0xFFFF;
    }

    HGLOBAL m_hTemplate = nullptr;
    DWORD m_dwTemplateSize = 0;
    BOOL m_bSystemFont = FALSE;

protected:
    // The font-size field (NULL when the template has no font).
    static BYTE* GetFontSizeField(const DLGTEMPLATE* pTemplate);
};
