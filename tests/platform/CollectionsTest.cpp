// Collections and run-time classes: arrays, lists, maps (bucket order), class lookup by name.
#include <gtest/gtest.h>
#include "platform/Platform.h"
#include <vector>

namespace
{

class CCollTestItem : public CObject
{
    DECLARE_SERIAL(CCollTestItem)
public:
    CCollTestItem(int v = 0) : m_v(v) {}
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_v;
        else
            ar >> m_v;
    }
    int m_v;
};
IMPLEMENT_SERIAL(CCollTestItem, CObject, 1)

class CCollTestDerived : public CCollTestItem
{
    DECLARE_DYNCREATE(CCollTestDerived)
};
IMPLEMENT_DYNCREATE(CCollTestDerived, CCollTestItem)

class CCollTestDynamicOnly : public CObject
{
    DECLARE_DYNAMIC(CCollTestDynamicOnly)
};
IMPLEMENT_DYNAMIC(CCollTestDynamicOnly, CObject)

std::vector<int> Values(const CObList& l)
{
    std::vector<int> v;
    for (POSITION p = l.GetHeadPosition(); p;)
        v.push_back(((CCollTestItem*)l.GetNext(p))->m_v);
    return v;
}

template <class T> void RoundTrip(T& out, T& in)
{
    CMemFile f;
    {
        CArchive ar(&f, CArchive::store);
        out.Serialize(ar);
    }
    f.SeekToBegin();
    CArchive ar(&f, CArchive::load);
    in.Serialize(ar);
}

} // namespace

TEST(RuntimeClass, KindsNamesAndCreation)
{
    CCollTestDerived d;
    EXPECT_TRUE(d.IsKindOf(RUNTIME_CLASS(CCollTestItem)));
    EXPECT_TRUE(d.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(d.IsKindOf(RUNTIME_CLASS(CCollTestDynamicOnly)));
    EXPECT_STREQ(d.GetRuntimeClass()->m_lpszClassName, "CCollTestDerived");
    EXPECT_EQ(RUNTIME_CLASS(CCollTestDerived)->GetBaseClass(), RUNTIME_CLASS(CCollTestItem));

    EXPECT_EQ(CRuntimeClass::FromName("CCollTestItem"), RUNTIME_CLASS(CCollTestItem));
    EXPECT_EQ(CRuntimeClass::FromName(L"CObList"), RUNTIME_CLASS(CObList));
    EXPECT_EQ(CRuntimeClass::FromName("NoSuchClass"), nullptr);
    CObject* made = CRuntimeClass::CreateObject(L"CCollTestDerived");
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->GetRuntimeClass(), RUNTIME_CLASS(CCollTestDerived));
    delete made;
    EXPECT_EQ(RUNTIME_CLASS(CCollTestDynamicOnly)->CreateObject(), nullptr);
    EXPECT_TRUE(RUNTIME_CLASS(CCollTestItem)->IsSerializable());
    EXPECT_FALSE(RUNTIME_CLASS(CCollTestDerived)->IsSerializable());

    CObject* asBase = &d;
    EXPECT_EQ(DYNAMIC_DOWNCAST(CCollTestItem, asBase), &d);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CCollTestDynamicOnly, asBase), nullptr);
    EXPECT_EQ(STATIC_DOWNCAST(CCollTestDerived, asBase), &d);
}

TEST(ArrayCollections, InsertRemoveGrowAndSerialize)
{
    CArray<int, int> a;
    for (int i = 0; i < 5; ++i)
        a.Add(i);
    a.InsertAt(2, 99, 2);
    a.RemoveAt(0);
    ASSERT_EQ(a.GetSize(), 6);
    EXPECT_EQ(a[0], 1);
    EXPECT_EQ(a[1], 99);
    EXPECT_EQ(a[2], 99);
    EXPECT_EQ(a[3], 2);
    EXPECT_EQ(a.GetUpperBound(), 5);
    a.SetAtGrow(8, 7);
    EXPECT_EQ(a.GetSize(), 9);
    EXPECT_EQ(a[7], 0);
    EXPECT_EQ(a[8], 7);
    a.RemoveAt(1, 8);
    EXPECT_EQ(a.GetSize(), 1);
    EXPECT_THROW(
        {
            try
            {
                a.RemoveAt(0, 5);
            }
            catch (CException* e)
            {
                e->Delete();
                throw 1;
            }
        },
        int);

    CStringArray s, t;
    s.Add(L"satu");
    s.Add(CString(L"dua"));
    s.InsertAt(0, L"nol");
    s.SetAt(2, L"DUA");
    RoundTrip(s, t);
    ASSERT_EQ(t.GetSize(), 3);
    EXPECT_EQ(t[0], L"nol");
    EXPECT_EQ(t[2], L"DUA");

    CByteArray b, b2;
    b.SetSize(3);
    b[0] = 1;
    b[2] = 0xFF;
    CMemFile f;
    {
        CArchive ar(&f, CArchive::store);
        b.Serialize(ar);
    }
    EXPECT_EQ(f.GetLength(), 5u); // WORD count, then the raw bytes
    f.SeekToBegin();
    {
        CArchive ar(&f, CArchive::load);
        b2.Serialize(ar);
    }
    ASSERT_EQ(b2.GetSize(), 3);
    EXPECT_EQ(b2[2], 0xFF);

    CDWordArray dw, dw2;
    dw.Add(0xDEADBEEF);
    RoundTrip(dw, dw2);
    EXPECT_EQ(dw2[0], 0xDEADBEEFu);

    CObArray obs, obs2;
    CCollTestItem i1(1), i2(2);
    obs.Add(&i1);
    obs.Add(&i2);
    obs.Add(&i1);
    RoundTrip(obs, obs2);
    ASSERT_EQ(obs2.GetSize(), 3);
    EXPECT_EQ(obs2[0], obs2[2]);
    EXPECT_EQ(((CCollTestItem*)obs2[1])->m_v, 2);
    delete obs2[0];
    delete obs2[1];
}

TEST(ListCollections, PositionsInsertRemoveFindAndSerialize)
{
    CCollTestItem items[6] = {0, 1, 2, 3, 4, 5};
    CObList l(10);
    for (auto& it : items)
        l.AddTail(&it);
    POSITION p3 = l.Find(&items[3]);
    ASSERT_NE(p3, nullptr);
    l.RemoveAt(p3);
    l.InsertBefore(l.GetHeadPosition(), &items[5]);
    l.InsertAfter(l.FindIndex(1), &items[4]);
    EXPECT_EQ(Values(l), (std::vector<int>{5, 0, 4, 1, 2, 4, 5}));
    EXPECT_EQ(l.GetCount(), 7);
    EXPECT_EQ(l.RemoveHead(), &items[5]);
    EXPECT_EQ(l.RemoveTail(), &items[5]);
    EXPECT_EQ(l.Find(&items[4], l.Find(&items[4])), l.FindIndex(4));
    EXPECT_EQ(l.FindIndex(10), nullptr);

    POSITION tail = l.GetTailPosition();
    std::vector<int> back;
    while (tail)
        back.push_back(((CCollTestItem*)l.GetPrev(tail))->m_v);
    EXPECT_EQ(back, (std::vector<int>{4, 2, 1, 4, 0}));

    CObList loaded;
    RoundTrip(l, loaded);
    EXPECT_EQ(Values(loaded), Values(l));
    // The object stored twice comes back as one object.
    EXPECT_EQ(loaded.GetAt(loaded.FindIndex(1)), loaded.GetAt(loaded.FindIndex(4)));
    while (!loaded.IsEmpty())
    {
        CObject* o = loaded.RemoveHead();
        if (!loaded.Find(o))
            delete o;
    }

    CStringList sl, sl2;
    sl.AddTail(L"b");
    sl.AddHead(L"a");
    sl.AddTail(L"c");
    RoundTrip(sl, sl2);
    EXPECT_EQ(sl2.GetCount(), 3);
    EXPECT_EQ(sl2.GetHead(), L"a");
    EXPECT_EQ(sl2.GetTail(), L"c");
    EXPECT_NE(sl2.Find(L"b"), nullptr);

    CPtrList pl;
    int x = 0;
    pl.AddTail(&x);
    pl.AddTail((void*)nullptr);
    EXPECT_EQ(pl.GetHead(), &x);
    pl.RemoveAll();
    EXPECT_TRUE(pl.IsEmpty());
}

TEST(MapCollections, SeventeenBucketsAndDeterministicOrder)
{
    CMapStringToString m;
    EXPECT_EQ(m.GetHashTableSize(), 17u);
    const wchar_t* keys[] = {L"Inbox", L"Outbox", L"Sent", L"Drafts", L"a", L"b", L"c", L"q"};
    for (auto k : keys)
        m.SetAt(k, CString(k) + L"!");
    m[L"Sent"] = L"replaced";
    EXPECT_EQ(m.GetCount(), 8);
    CString v;
    EXPECT_TRUE(m.Lookup(L"Sent", v));
    EXPECT_EQ(v, L"replaced");
    EXPECT_FALSE(m.Lookup(L"sent", v));

    // Order: bucket by bucket (hash % 17), the newest entry of a bucket first.
    std::vector<std::pair<UINT, int>> expected; // bucket, insertion index
    for (int i = 0; i < 8; ++i)
        expected.push_back({HashKey<LPCTSTR>(keys[i]) % 17, i});
    std::stable_sort(expected.begin(), expected.end(),
                     [](auto& a, auto& b) { return a.first < b.first || (a.first == b.first && a.second > b.second); });
    std::vector<CString> order;
    for (POSITION p = m.GetStartPosition(); p;)
    {
        CString k, val;
        m.GetNextAssoc(p, k, val);
        order.push_back(k);
    }
    ASSERT_EQ(order.size(), 8u);
    for (size_t i = 0; i < 8; ++i)
        EXPECT_EQ(order[i], keys[expected[i].second]) << i;

    // The string hash is the classic times-33 sum.
    EXPECT_EQ(HashKey<LPCTSTR>(L"ab"), (UINT)('a' * 33 + 'b'));

    CMapStringToString m2;
    RoundTrip(m, m2);
    EXPECT_EQ(m2.GetCount(), 8);
    EXPECT_TRUE(m2.Lookup(L"Drafts", v));
    EXPECT_EQ(v, L"Drafts!");

    EXPECT_TRUE(m.RemoveKey(L"a"));
    EXPECT_FALSE(m.RemoveKey(L"a"));
    EXPECT_EQ(m.GetCount(), 7);
    m.RemoveAll();
    EXPECT_EQ(m.GetStartPosition(), nullptr);
}

TEST(MapCollections, PointerAndWordKeysHashByValueShiftedFour)
{
    CMapPtrToPtr m;
    m.InitHashTable(17);
    // Handles 0x10 apart land in neighbouring buckets: the value shifted right by 4, modulo 17.
    for (UINT_PTR h = 0x1000; h < 0x1000 + 0x10 * 20; h += 0x10)
        m.SetAt((void*)h, (void*)(h + 1));
    std::vector<UINT_PTR> seen;
    for (POSITION p = m.GetStartPosition(); p;)
    {
        void* k;
        void* v;
        m.GetNextAssoc(p, k, v);
        EXPECT_EQ((UINT_PTR)v, (UINT_PTR)k + 1);
        seen.push_back((UINT_PTR)k);
    }
    ASSERT_EQ(seen.size(), 20u);
    for (size_t i = 1; i < seen.size(); ++i)
    {
        UINT b0 = (UINT)(seen[i - 1] >> 4) % 17, b1 = (UINT)(seen[i] >> 4) % 17;
        EXPECT_LE(b0, b1);
        if (b0 == b1)
        {
            EXPECT_GT(seen[i - 1], seen[i]); // newer first
        }
    }

    CMap<int, int, CString, LPCTSTR> big;
    big.InitHashTable(101);
    EXPECT_EQ(big.GetHashTableSize(), 101u);
    for (int i = 0; i < 1000; ++i)
        big[i].Format(L"%d", i);
    CString s;
    EXPECT_TRUE(big.Lookup(777, s));
    EXPECT_EQ(s, L"777");
    big.InitHashTable(7); // ignored while not empty
    EXPECT_EQ(big.GetHashTableSize(), 101u);

    CMapWordToOb wo, wo2;
    CCollTestItem item(9);
    wo.SetAt(3, &item);
    RoundTrip(wo, wo2);
    CObject* o = nullptr;
    ASSERT_TRUE(wo2.Lookup(3, o));
    EXPECT_EQ(((CCollTestItem*)o)->m_v, 9);
    delete o;

    CMapStringToPtr sp;
    int target = 0;
    sp[L"x"] = &target;
    void* got = nullptr;
    EXPECT_TRUE(sp.Lookup(L"x", got));
    EXPECT_EQ(got, &target);
}
