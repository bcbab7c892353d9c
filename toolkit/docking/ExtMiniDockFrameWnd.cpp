// CExtMiniDockFrameWnd: class record and construction.
#include "toolkit/docking/ExtMiniDockFrameWnd.h"

IMPLEMENT_DYNCREATE(CExtMiniDockFrameWnd, CMiniDockFrameWnd)

CExtMiniDockFrameWnd::CExtMiniDockFrameWnd() {}

CExtMiniDockFrameWnd::~CExtMiniDockFrameWnd() {}
