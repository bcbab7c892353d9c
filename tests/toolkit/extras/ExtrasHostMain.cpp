// extras_host.exe: the extra controls to look at by hand: flat tabs over MDI children, and a
// resizable dialog whose flat page container holds a nested plain one.
#include "ExtrasHost.h"
#include "platform/WinApp.h"

namespace
{

class CExtrasHostApp : public CWinApp
{
public:
    CExtrasHostApp() : CWinApp(L"ExtrasHost") {}
    BOOL InitInstance() override
    {
        auto* pFrame = new extrashost::CExtrasMdiFrame;
        if (!pFrame->CreateHost(CRect(20, 20, 720, 520)))
            return FALSE;
        m_pMainWnd = pFrame;
        for (LPCTSTR psz : {L"Kotak masuk", L"Terkirim", L"Konsep"})
            pFrame->NewChild(psz);
        pFrame->ShowWindow(SW_SHOWNORMAL);
        pFrame->RecalcLayout();
        m_dlg.CreateHost(pFrame, CRect(740, 20, 1140, 340));
        return TRUE;
    }

private:
    extrashost::CExtrasPagesDialog m_dlg;
};
CExtrasHostApp theApp;

} // namespace
