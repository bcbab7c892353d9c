// The compound-document type and its client item: a document that could hold embedded items. No
// items exist here; callers ask for the in-place active one and get none.
#pragma once
#include "platform/Document.h"

class CWnd;

// An embedded item of a compound document (a plain object here).
class COleClientItem : public CObject
{
    DECLARE_DYNAMIC(COleClientItem)
public:
    COleClientItem();
};

class COleDocument : public CDocument
{
    DECLARE_DYNAMIC(COleDocument)
public:
    COleDocument();

    // The item active in place in the view pWnd, or NULL.
    virtual COleClientItem* GetInPlaceActiveItem(CWnd* pWnd);
};
