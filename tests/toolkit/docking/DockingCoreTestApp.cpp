// The application object of the docking core tests.
#include "platform/Platform.h"

namespace
{
class CDockingCoreTestApp : public CWinApp
{
public:
    CDockingCoreTestApp() : CWinApp(L"DockingCoreTest") {}
};
CDockingCoreTestApp theApp;
} // namespace
