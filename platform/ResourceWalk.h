// Bounded readers of resource bytes: a walk over a template that never reads past the size it was
// given, and the lookup of one entry of a string-table block. Resources are outside data.
#pragma once
#include <windows.h>
#include <cstring>

class CResourceWalk
{
public:
    CResourceWalk(const BYTE* pBase, size_t cb) : m_pBase(pBase), m_cb(cb) {}

    // Each read answers false, leaving the position, when it would pass the end.
    bool Skip(size_t n)
    {
        if (!Within() || m_cb - m_pos < n)
            return false;
        m_pos += n;
        return true;
    }
    bool Word(WORD& w)
    {
        if (!Within() || m_cb - m_pos < sizeof(WORD))
            return false;
        memcpy(&w, m_pBase + m_pos, sizeof w);
        m_pos += sizeof(WORD);
        return true;
    }
    // A zero-terminated UTF-16 text.
    bool Text()
    {
        for (WORD w = 1; w != 0;)
            if (!Word(w))
                return false;
        return true;
    }
    // A name field: 0xFFFF and an ordinal, or a text.
    bool TextOrOrdinal()
    {
        WORD w;
        if (!Word(w))
            return false;
        m_pos -= sizeof(WORD);
        return w == 0xFFFF ? Skip(2 * sizeof(WORD)) : Text();
    }
    // Rounds the position up to a multiple of n (a power of two), relative to the start, as the
    // system does; the position may then lie past the end, which Within tells.
    void Align(size_t n) { m_pos = (m_pos + n - 1) & ~(n - 1); }
    bool Within() const { return m_pos <= m_cb; }
    size_t Pos() const { return m_pos; }

private:
    const BYTE* m_pBase;
    size_t m_cb;
    size_t m_pos = 0;
};

// Finds entry nIndex (0..15) of a string-table block of cb bytes: where its characters start and how
// many there are. False when the block ends before the entry or the entry does not fit in it.
bool FindStringTableEntry(const BYTE* pBlock, DWORD cb, UINT nIndex, const BYTE** ppChars, WORD* pnLength);
