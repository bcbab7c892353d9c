// The print-preview view type: its class only (this program has no print preview); frames and
// bars ask whether a view is one.
#pragma once
#include "platform/View.h"

class CPreviewView : public CScrollView
{
    DECLARE_DYNCREATE(CPreviewView)
public:
    CPreviewView();

protected:
    virtual void OnDraw(CDC* pDC) override;
};
