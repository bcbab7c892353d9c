// The string-table entry lookup of the bounded resource readers.
#include "platform/ResourceWalk.h"

bool FindStringTableEntry(const BYTE* pBlock, DWORD cb, UINT nIndex, const BYTE** ppChars, WORD* pnLength)
{
    if (pBlock == nullptr || nIndex > 15)
        return false;
    CResourceWalk walk(pBlock, cb);
    for (UINT i = 0;; ++i)
    {
        WORD nLength;
        if (!walk.Word(nLength))
            return false;
        const size_t nStart = walk.Pos();
        if (!walk.Skip((size_t)nLength * sizeof(wchar_t)))
            return false;
        if (i == nIndex)
        {
            *ppChars = pBlock + nStart;
            *pnLength = nLength;
            return true;
        }
    }
}
