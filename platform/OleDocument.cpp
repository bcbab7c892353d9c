// The compound-document type and its client item.
#include "platform/Platform.h"
#include "platform/OleDocument.h"

IMPLEMENT_DYNAMIC(COleClientItem, CObject)
IMPLEMENT_DYNAMIC(COleDocument, CDocument)

COleClientItem::COleClientItem() {}

COleDocument::COleDocument() {}

COleClientItem* COleDocument::GetInPlaceActiveItem(CWnd*) { return nullptr; }
