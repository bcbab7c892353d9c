// Collections: CArray, CList and CMap templates and the typed arrays, lists and maps built on them.
#pragma once
#include "platform/Archive.h"
#include "platform/Exceptions.h"
#include "platform/Object.h"
#include "platform/String.h"
#include <algorithm>
#include <type_traits>
#include <utility>
#include <vector>

// ---------------------------------------------------------------------------------------------
// Element helpers: archive form, hashing, comparison.

template <class TYPE> void SerializeElements(CArchive& ar, TYPE* pElements, INT_PTR nCount)
{
    // Plain values are stored as their bytes; other types need an overload of their own.
    if constexpr (std::is_trivially_copyable<TYPE>::value)
    {
        if (nCount <= 0)
            return;
        UINT nBytes = (UINT)(nCount * (INT_PTR)sizeof(TYPE));
        if (ar.IsStoring())
            ar.Write(pElements, nBytes);
        else if (ar.Read(pElements, nBytes) != nBytes)
            AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
    }
    else
    {
        (void)ar;
        (void)pElements;
        if (nCount > 0)
            AfxThrowNotSupportedException();
    }
}
void SerializeElements(CArchive& ar, CString* pElements, INT_PTR nCount);
void SerializeElements(CArchive& ar, CObject** pElements, INT_PTR nCount);
// Smallest archive size of one element, for checking stored counts.
template <class TYPE> inline UINT ArchiveElementMinSize(const TYPE*) { return (UINT)sizeof(TYPE); }
inline UINT ArchiveElementMinSize(const CString*) { return 1; }
inline UINT ArchiveElementMinSize(CObject* const*) { return 2; }

template <class ARG_KEY> inline UINT HashKey(ARG_KEY key) { return ((UINT)(DWORD_PTR)key) >> 4; }
template <> UINT HashKey<LPCWSTR>(LPCWSTR key);
template <> UINT HashKey<LPCSTR>(LPCSTR key);
template <> UINT HashKey<const CString&>(const CString& key);
template <> UINT HashKey<CString>(CString key);

template <class TYPE, class ARG_TYPE> inline BOOL CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2)
{
    return *pElement1 == *pElement2;
}

// ---------------------------------------------------------------------------------------------
// CArray: a growable array.

template <class TYPE, class ARG_TYPE = const TYPE&> class CArray : public CObject
{
public:
    CArray() {}
    CArray(const CArray&) = delete;
    CArray& operator=(const CArray&) = delete;

    INT_PTR GetSize() const { return (INT_PTR)m_data.size(); }
    INT_PTR GetCount() const { return (INT_PTR)m_data.size(); }
    BOOL IsEmpty() const { return m_data.empty(); }
    INT_PTR GetUpperBound() const { return (INT_PTR)m_data.size() - 1; }
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1)
    {
        if (nGrowBy >= 0)
            m_nGrowBy = nGrowBy;
        if (nNewSize < 0)
            AfxThrowInvalidArgException();
        if (m_nGrowBy > 0 && (size_t)nNewSize > m_data.capacity())
            m_data.reserve(std::max((size_t)nNewSize, m_data.capacity() + (size_t)m_nGrowBy));
        m_data.resize((size_t)nNewSize);
    }
    void FreeExtra() { m_data.shrink_to_fit(); }
    void RemoveAll() { m_data.clear(); }

    const TYPE& GetAt(INT_PTR nIndex) const
    {
        Check(nIndex);
        return m_data[(size_t)nIndex];
    }
    TYPE& GetAt(INT_PTR nIndex)
    {
        Check(nIndex);
        return m_data[(size_t)nIndex];
    }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement)
    {
        Check(nIndex);
        m_data[(size_t)nIndex] = newElement;
    }
    const TYPE& ElementAt(INT_PTR nIndex) const
    {
        Check(nIndex);
        return m_data[(size_t)nIndex];
    }
    TYPE& ElementAt(INT_PTR nIndex)
    {
        Check(nIndex);
        return m_data[(size_t)nIndex];
    }
    const TYPE* GetData() const { return m_data.empty() ? nullptr : m_data.data(); }
    TYPE* GetData() { return m_data.empty() ? nullptr : m_data.data(); }
    const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return GetAt(nIndex); }

    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement)
    {
        if (nIndex < 0)
            AfxThrowInvalidArgException();
        if (nIndex >= GetSize())
        {
            TYPE copy(newElement);
            SetSize(nIndex + 1);
            m_data[(size_t)nIndex] = std::move(copy);
        }
        else
        {
            m_data[(size_t)nIndex] = newElement;
        }
    }
    INT_PTR Add(ARG_TYPE newElement)
    {
        INT_PTR n = GetSize();
        Grow(1);
        m_data.push_back(TYPE(newElement));
        return n;
    }
    INT_PTR Append(const CArray& src)
    {
        INT_PTR n = GetSize();
        if (&src == this)
        {
            std::vector<TYPE> copy(m_data);
            m_data.insert(m_data.end(), copy.begin(), copy.end());
        }
        else
        {
            m_data.insert(m_data.end(), src.m_data.begin(), src.m_data.end());
        }
        return n;
    }
    void Copy(const CArray& src)
    {
        if (&src != this)
            m_data = src.m_data;
    }
    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1)
    {
        if (nIndex < 0 || nCount < 0)
            AfxThrowInvalidArgException();
        TYPE copy(newElement);
        if (nIndex >= GetSize())
            SetSize(nIndex);
        Grow(nCount);
        m_data.insert(m_data.begin() + nIndex, (size_t)nCount, copy);
    }
    void InsertAt(INT_PTR nStartIndex, const CArray* pNewArray)
    {
        if (!pNewArray || nStartIndex < 0)
            AfxThrowInvalidArgException();
        std::vector<TYPE> copy(pNewArray->m_data);
        if (nStartIndex >= GetSize())
            SetSize(nStartIndex);
        m_data.insert(m_data.begin() + nStartIndex, copy.begin(), copy.end());
    }
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1)
    {
        if (nIndex < 0 || nCount < 0 || nIndex + nCount > GetSize())
            AfxThrowInvalidArgException();
        m_data.erase(m_data.begin() + nIndex, m_data.begin() + nIndex + nCount);
    }

    void Serialize(CArchive& ar) override
    {
        CObject::Serialize(ar);
        if (ar.IsStoring())
        {
            ar.WriteCount((DWORD_PTR)GetSize());
        }
        else
        {
            DWORD_PTR n = ar.ReadCount();
            ar.CheckCount(n, ArchiveElementMinSize((const TYPE*)nullptr));
            SetSize((INT_PTR)n, -1);
        }
        SerializeElements(ar, GetData(), GetSize());
    }

    // Range-for over the elements.
    TYPE* begin() { return m_data.data(); }
    TYPE* end() { return m_data.data() + m_data.size(); }
    const TYPE* begin() const { return m_data.data(); }
    const TYPE* end() const { return m_data.data() + m_data.size(); }

protected:
    void Check(INT_PTR nIndex) const
    {
        if (nIndex < 0 || nIndex >= (INT_PTR)m_data.size())
            AfxThrowInvalidArgException();
    }
    void Grow(INT_PTR nMore)
    {
        size_t need = m_data.size() + (size_t)nMore;
        if (need > m_data.capacity())
            m_data.reserve(
                std::max(need, m_data.capacity() + (m_nGrowBy > 0 ? (size_t)m_nGrowBy : m_data.capacity() / 2 + 4)));
    }
    std::vector<TYPE> m_data;
    INT_PTR m_nGrowBy = 0;
};

#define PLATFORM_TYPED_ARRAY(name, TYPE, ARG_TYPE)                                                                     \
    class name : public CArray<TYPE, ARG_TYPE>                                                                         \
    {                                                                                                                  \
        DECLARE_SERIAL(name)                                                                                           \
    public:                                                                                                            \
        name() {}                                                                                                      \
        void Serialize(CArchive& ar) override;                                                                         \
    };

PLATFORM_TYPED_ARRAY(CByteArray, BYTE, BYTE)
PLATFORM_TYPED_ARRAY(CWordArray, WORD, WORD)
PLATFORM_TYPED_ARRAY(CDWordArray, DWORD, DWORD)
PLATFORM_TYPED_ARRAY(CUIntArray, UINT, UINT)
PLATFORM_TYPED_ARRAY(CObArray, CObject*, CObject*)
PLATFORM_TYPED_ARRAY(CStringArray, CString, LPCTSTR)

class CPtrArray : public CArray<void*, void*>
{
    DECLARE_DYNAMIC(CPtrArray)
public:
    CPtrArray() {}
    void Serialize(CArchive& ar) override; // not serialisable: throws CNotSupportedException
};

// ---------------------------------------------------------------------------------------------
// CList: a doubly linked list addressed by POSITION.

template <class TYPE, class ARG_TYPE = const TYPE&> class CList : public CObject
{
protected:
    struct CNode
    {
        CNode* pNext;
        CNode* pPrev;
        TYPE data;
    };

public:
    explicit CList(INT_PTR nBlockSize = 10) : m_nBlockSize(nBlockSize) {}
    CList(const CList&) = delete;
    CList& operator=(const CList&) = delete;
    ~CList() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    TYPE& GetHead()
    {
        NotEmpty();
        return m_pNodeHead->data;
    }
    const TYPE& GetHead() const
    {
        NotEmpty();
        return m_pNodeHead->data;
    }
    TYPE& GetTail()
    {
        NotEmpty();
        return m_pNodeTail->data;
    }
    const TYPE& GetTail() const
    {
        NotEmpty();
        return m_pNodeTail->data;
    }

    TYPE RemoveHead()
    {
        NotEmpty();
        CNode* p = m_pNodeHead;
        TYPE v = std::move(p->data);
        Unlink(p);
        return v;
    }
    TYPE RemoveTail()
    {
        NotEmpty();
        CNode* p = m_pNodeTail;
        TYPE v = std::move(p->data);
        Unlink(p);
        return v;
    }
    POSITION AddHead(ARG_TYPE newElement) { return InsertBefore(GetHeadPosition(), newElement); }
    POSITION AddTail(ARG_TYPE newElement) { return InsertAfter(GetTailPosition(), newElement); }
    void AddHead(CList* pNewList)
    {
        if (!pNewList)
            return;
        std::vector<TYPE> items;
        for (CNode* p = pNewList->m_pNodeHead; p; p = p->pNext)
            items.push_back(p->data);
        for (auto it = items.rbegin(); it != items.rend(); ++it)
            AddHead(*it);
    }
    void AddTail(CList* pNewList)
    {
        if (!pNewList)
            return;
        std::vector<TYPE> items;
        for (CNode* p = pNewList->m_pNodeHead; p; p = p->pNext)
            items.push_back(p->data);
        for (auto& v : items)
            AddTail(v);
    }
    void RemoveAll()
    {
        CNode* p = m_pNodeHead;
        while (p)
        {
            CNode* next = p->pNext;
            delete p;
            p = next;
        }
        m_pNodeHead = m_pNodeTail = nullptr;
        m_nCount = 0;
    }

    POSITION GetHeadPosition() const { return (POSITION)m_pNodeHead; }
    POSITION GetTailPosition() const { return (POSITION)m_pNodeTail; }
    TYPE& GetNext(POSITION& rPosition)
    {
        CNode* p = Node(rPosition);
        rPosition = (POSITION)p->pNext;
        return p->data;
    }
    const TYPE& GetNext(POSITION& rPosition) const
    {
        CNode* p = Node(rPosition);
        rPosition = (POSITION)p->pNext;
        return p->data;
    }
    TYPE& GetPrev(POSITION& rPosition)
    {
        CNode* p = Node(rPosition);
        rPosition = (POSITION)p->pPrev;
        return p->data;
    }
    const TYPE& GetPrev(POSITION& rPosition) const
    {
        CNode* p = Node(rPosition);
        rPosition = (POSITION)p->pPrev;
        return p->data;
    }
    TYPE& GetAt(POSITION position) { return Node(position)->data; }
    const TYPE& GetAt(POSITION position) const { return Node(position)->data; }
    void SetAt(POSITION pos, ARG_TYPE newElement) { Node(pos)->data = newElement; }
    void RemoveAt(POSITION position) { Unlink(Node(position)); }

    POSITION InsertBefore(POSITION position, ARG_TYPE newElement)
    {
        CNode* n = new CNode{nullptr, nullptr, TYPE(newElement)};
        CNode* at = position ? Node(position) : m_pNodeHead;
        if (!at)
        {
            m_pNodeHead = m_pNodeTail = n;
        }
        else
        {
            n->pNext = at;
            n->pPrev = at->pPrev;
            if (at->pPrev)
                at->pPrev->pNext = n;
            else
                m_pNodeHead = n;
            at->pPrev = n;
        }
        ++m_nCount;
        return (POSITION)n;
    }
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement)
    {
        CNode* n = new CNode{nullptr, nullptr, TYPE(newElement)};
        CNode* at = position ? Node(position) : m_pNodeTail;
        if (!at)
        {
            m_pNodeHead = m_pNodeTail = n;
        }
        else
        {
            n->pPrev = at;
            n->pNext = at->pNext;
            if (at->pNext)
                at->pNext->pPrev = n;
            else
                m_pNodeTail = n;
            at->pNext = n;
        }
        ++m_nCount;
        return (POSITION)n;
    }

    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = nullptr) const
    {
        const TYPE wanted(searchValue);
        CNode* p = startAfter ? Node(startAfter)->pNext : m_pNodeHead;
        for (; p; p = p->pNext)
            if (CompareElements<TYPE, TYPE>(&p->data, &wanted))
                return (POSITION)p;
        return nullptr;
    }
    POSITION FindIndex(INT_PTR nIndex) const
    {
        if (nIndex < 0 || nIndex >= m_nCount)
            return nullptr;
        CNode* p = m_pNodeHead;
        while (nIndex--)
            p = p->pNext;
        return (POSITION)p;
    }

    void Serialize(CArchive& ar) override
    {
        CObject::Serialize(ar);
        if (ar.IsStoring())
        {
            ar.WriteCount((DWORD_PTR)m_nCount);
            for (CNode* p = m_pNodeHead; p; p = p->pNext)
                SerializeElements(ar, &p->data, 1);
        }
        else
        {
            DWORD_PTR n = ar.ReadCount();
            ar.CheckCount(n, ArchiveElementMinSize((const TYPE*)nullptr));
            while (n--)
            {
                TYPE v{};
                SerializeElements(ar, &v, 1);
                AddTail(v);
            }
        }
    }

protected:
    static CNode* Node(POSITION pos)
    {
        if (!pos || pos == BEFORE_START_POSITION)
            AfxThrowInvalidArgException();
        return (CNode*)pos;
    }
    void NotEmpty() const
    {
        if (!m_pNodeHead)
            AfxThrowInvalidArgException();
    }
    void Unlink(CNode* p)
    {
        if (p->pPrev)
            p->pPrev->pNext = p->pNext;
        else
            m_pNodeHead = p->pNext;
        if (p->pNext)
            p->pNext->pPrev = p->pPrev;
        else
            m_pNodeTail = p->pPrev;
        delete p;
        --m_nCount;
    }

    CNode* m_pNodeHead = nullptr;
    CNode* m_pNodeTail = nullptr;
    INT_PTR m_nCount = 0;
    INT_PTR m_nBlockSize;
};

class CObList : public CList<CObject*, CObject*>
{
    DECLARE_SERIAL(CObList)
public:
    explicit CObList(INT_PTR nBlockSize = 10) : CList<CObject*, CObject*>(nBlockSize) {}
    void Serialize(CArchive& ar) override;
};

class CPtrList : public CList<void*, void*>
{
    DECLARE_DYNAMIC(CPtrList)
public:
    explicit CPtrList(INT_PTR nBlockSize = 10) : CList<void*, void*>(nBlockSize) {}
    void Serialize(CArchive& ar) override; // not serialisable: throws CNotSupportedException
};

class CStringList : public CList<CString, LPCTSTR>
{
    DECLARE_SERIAL(CStringList)
public:
    explicit CStringList(INT_PTR nBlockSize = 10) : CList<CString, LPCTSTR>(nBlockSize) {}
    void Serialize(CArchive& ar) override;
};

// ---------------------------------------------------------------------------------------------
// CMap: a hash table with a fixed number of buckets (17 unless InitHashTable says otherwise).
// Iteration visits the buckets in order and, within a bucket, the newest entry first.

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE> class CMap : public CObject
{
public:
    struct CPair
    {
        const KEY key;
        VALUE value;

    protected:
        CPair(ARG_KEY keyval) : key(keyval), value() {}
    };

protected:
    struct CAssoc : CPair
    {
        CAssoc(ARG_KEY k) : CPair(k) {}
        CAssoc* pNext = nullptr;
        UINT nHashValue = 0;
        KEY& Key() { return const_cast<KEY&>(this->key); }
    };

public:
    explicit CMap(INT_PTR nBlockSize = 10) : m_nBlockSize(nBlockSize) {}
    CMap(const CMap&) = delete;
    CMap& operator=(const CMap&) = delete;
    ~CMap() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }
    UINT GetHashTableSize() const { return m_nHashTableSize; }

    // Sets the number of buckets; only while the map is empty.
    void InitHashTable(UINT hashSize, BOOL bAllocNow = TRUE)
    {
        if (m_nCount != 0 || hashSize == 0)
            return;
        m_table.clear();
        m_nHashTableSize = hashSize;
        if (bAllocNow)
            m_table.assign(hashSize, nullptr);
    }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const
    {
        UINT nHash;
        CAssoc* p = GetAssocAt(key, nHash);
        if (!p)
            return FALSE;
        rValue = p->value;
        return TRUE;
    }
    const CPair* PLookup(ARG_KEY key) const
    {
        UINT nHash;
        return GetAssocAt(key, nHash);
    }
    CPair* PLookup(ARG_KEY key)
    {
        UINT nHash;
        return GetAssocAt(key, nHash);
    }
    VALUE& operator[](ARG_KEY key)
    {
        UINT nHash;
        CAssoc* p = GetAssocAt(key, nHash);
        if (!p)
        {
            if (m_table.empty())
                m_table.assign(m_nHashTableSize, nullptr);
            p = new CAssoc(key);
            p->nHashValue = nHash;
            p->pNext = m_table[nHash];
            m_table[nHash] = p;
            ++m_nCount;
        }
        return p->value;
    }
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }
    BOOL RemoveKey(ARG_KEY key)
    {
        if (m_table.empty())
            return FALSE;
        UINT nHash = HashKey<ARG_KEY>(key) % m_nHashTableSize;
        CAssoc** pp = &m_table[nHash];
        for (CAssoc* p = *pp; p; pp = &p->pNext, p = p->pNext)
        {
            if (CompareElements<KEY, ARG_KEY>(&p->key, &key))
            {
                *pp = p->pNext;
                delete p;
                --m_nCount;
                return TRUE;
            }
        }
        return FALSE;
    }
    void RemoveAll()
    {
        for (CAssoc*& head : m_table)
        {
            CAssoc* p = head;
            while (p)
            {
                CAssoc* next = p->pNext;
                delete p;
                p = next;
            }
            head = nullptr;
        }
        m_table.clear();
        m_nCount = 0;
    }

    POSITION GetStartPosition() const { return m_nCount == 0 ? nullptr : BEFORE_START_POSITION; }
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const
    {
        CAssoc* p = NextAssoc(rNextPosition);
        rKey = p->key;
        rValue = p->value;
    }
    // Pair iteration: PGetFirstAssoc/PGetNextAssoc.
    const CPair* PGetFirstAssoc() const { return FirstAssoc(); }
    CPair* PGetFirstAssoc() { return FirstAssoc(); }
    const CPair* PGetNextAssoc(const CPair* pPair) const { return AssocAfter((CAssoc*)pPair); }
    CPair* PGetNextAssoc(const CPair* pPair) { return AssocAfter((CAssoc*)pPair); }

    void Serialize(CArchive& ar) override
    {
        CObject::Serialize(ar);
        if (ar.IsStoring())
        {
            ar.WriteCount((DWORD_PTR)m_nCount);
            for (CAssoc* p = FirstAssoc(); p; p = AssocAfter(p))
            {
                SerializeElements(ar, &p->Key(), 1);
                SerializeElements(ar, &p->value, 1);
            }
        }
        else
        {
            DWORD_PTR n = ar.ReadCount();
            ar.CheckCount(n, ArchiveElementMinSize((const KEY*)nullptr) + ArchiveElementMinSize((const VALUE*)nullptr));
            while (n--)
            {
                KEY k{};
                VALUE v{};
                SerializeElements(ar, &k, 1);
                SerializeElements(ar, &v, 1);
                SetAt(k, v);
            }
        }
    }

protected:
    CAssoc* GetAssocAt(ARG_KEY key, UINT& nHash) const
    {
        nHash = HashKey<ARG_KEY>(key) % m_nHashTableSize;
        if (m_table.empty())
            return nullptr;
        for (CAssoc* p = m_table[nHash]; p; p = p->pNext)
            if (CompareElements<KEY, ARG_KEY>(&p->key, &key))
                return p;
        return nullptr;
    }
    CAssoc* FirstAssoc() const
    {
        for (CAssoc* head : m_table)
            if (head)
                return head;
        return nullptr;
    }
    CAssoc* AssocAfter(CAssoc* p) const
    {
        if (!p)
            return nullptr;
        if (p->pNext)
            return p->pNext;
        for (UINT b = p->nHashValue + 1; b < (UINT)m_table.size(); ++b)
            if (m_table[b])
                return m_table[b];
        return nullptr;
    }
    CAssoc* NextAssoc(POSITION& rPos) const
    {
        CAssoc* p = rPos == BEFORE_START_POSITION ? FirstAssoc() : (CAssoc*)rPos;
        if (!p)
            AfxThrowInvalidArgException();
        rPos = (POSITION)AssocAfter(p);
        return p;
    }

    std::vector<CAssoc*> m_table;
    UINT m_nHashTableSize = 17;
    INT_PTR m_nCount = 0;
    INT_PTR m_nBlockSize;
};

#define PLATFORM_TYPED_MAP(name, decl, KEY, ARG_KEY, VALUE, ARG_VALUE)                                                 \
    class name : public CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>                                                           \
    {                                                                                                                  \
        decl(name) public : explicit name(INT_PTR nBlockSize = 10)                                                     \
            : CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>(nBlockSize) {}                                                      \
        void Serialize(CArchive& ar) override;                                                                         \
    };

PLATFORM_TYPED_MAP(CMapStringToPtr, DECLARE_DYNAMIC, CString, LPCTSTR, void*, void*)
PLATFORM_TYPED_MAP(CMapStringToOb, DECLARE_SERIAL, CString, LPCTSTR, CObject*, CObject*)
PLATFORM_TYPED_MAP(CMapStringToString, DECLARE_SERIAL, CString, LPCTSTR, CString, LPCTSTR)
PLATFORM_TYPED_MAP(CMapPtrToPtr, DECLARE_DYNAMIC, void*, void*, void*, void*)
PLATFORM_TYPED_MAP(CMapPtrToWord, DECLARE_DYNAMIC, void*, void*, WORD, WORD)
PLATFORM_TYPED_MAP(CMapWordToPtr, DECLARE_DYNAMIC, WORD, WORD, void*, void*)
PLATFORM_TYPED_MAP(CMapWordToOb, DECLARE_SERIAL, WORD, WORD, CObject*, CObject*)
