// The application object of the tool-bar tests.
#include "platform/WinApp.h"

namespace
{
class CToolBarTestApp : public CWinApp
{
public:
    CToolBarTestApp() : CWinApp(L"ToolBarTest") {}
};
CToolBarTestApp theApp;
} // namespace
