// The print-preview view type.
#include "platform/Platform.h"
#include "platform/PreviewView.h"

IMPLEMENT_DYNCREATE(CPreviewView, CScrollView)

CPreviewView::CPreviewView() {}

void CPreviewView::OnDraw(CDC*) {}
