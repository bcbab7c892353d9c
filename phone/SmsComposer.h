// Sending one stored message to every recipient of its recipient lists, in one or several linked
// parts, and filing it afterwards: the compose window's send without a window.
#pragma once
#include "platform/Platform.h"
#include "phone/SmsRecord.h"
#include <vector>

class CPhoneSession;

class CSmsComposer
{
public:
    CSmsComposer();

    // Sends m_source (its text to its recipients) and files it; 1 when every part to every
    // recipient was accepted by the phone, 0 otherwise (nothing filed then).
    int SendWithoutWindow();

    // "name<number>" entries joined with ";" from the ";"-separated name and number lists
    // (an entry whose name equals its number is the number alone); every "+" removed.
    static CString ParseRecipients(CString strNames, CString strNumbers);
    // One recipient entry after another out of a recipient text.
    static BOOL NextRecipient(CString& strRest, CString& strName, CString& strNumber);
    // The parts a text goes in: one when it fits 160 septets, else parts of at most 152
    // septets, never cutting an escape pair.
    static int SplitText(const CString& strText, CStringArray& arrParts);
    // A reference for linked parts: 10 to 64.
    static int DrawReference();

    CSMS m_source;
};
