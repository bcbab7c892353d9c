// The Outlook contacts bridge: reads the default contacts folder into the document
// (CCorvane_smsDoc::LoadOutlookContacts) and adds one contact to it (SaveContactToOutlook).
#pragma once
#include "platform/Platform.h"
#include "phone/OutlookAutomation.h"

// One kind of telephone number of an Outlook contact.
struct OutlookNumberKind
{
    const wchar_t* property; // the contact property
    const wchar_t* code;     // the three-letter code the loaded number is tagged with
    const wchar_t* name;     // the kind name the saver accepts (any case)
    Outlook::_ContactItem::TextGetter get;
    Outlook::_ContactItem::TextSetter put;
};

// The eleven kinds, in the order they are read and matched.
extern const OutlookNumberKind g_outlookNumberKinds[11];

// Creates one Outlook contact with the number stored under the named kind (no number when the
// kind is unknown) and the categories when they are not empty. False after its own message
// (no Outlook, no contacts folder, no contact created); true otherwise, also after an
// automation error it has shown.
bool SaveContactToOutlook(const CString& firstName, const CString& lastName, const CString& kindName,
                          const CString& number, const CString& fileAs, const CString& categories);
