// Saving and loading 100,000 message-like records through CArchive, against writing and reading
// the same bytes with plain CFile calls.
#include "bench/BenchSupport.h"
#include "platform/Platform.h"
#include <chrono>
#include <cstdio>

namespace
{

using bench::Seconds;

class CBenchRecord : public CObject
{
    DECLARE_SERIAL(CBenchRecord)
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
        {
            for (auto& s : m_text)
                ar << s;
            for (int v : m_n)
                ar << v;
        }
        else
        {
            ar.GetObjectSchema();
            for (auto& s : m_text)
                ar >> s;
            for (int& v : m_n)
                ar >> v;
        }
    }
    CString m_text[12];
    int m_n[5] = {};
};
IMPLEMENT_SERIAL(CBenchRecord, CObject, VERSIONABLE_SCHEMA | 2)

} // namespace

int wmain()
{
    const int count = 100000;
    CObList list;
    for (int i = 0; i < count; ++i)
    {
        auto* r = new CBenchRecord;
        for (int k = 0; k < 12; ++k)
            r->m_text[k].Format(k == 8 ? L"Pesan nomor %d: sampai jumpa besok di kantor ya" : L"%02d", i % 60);
        r->m_n[0] = i;
        list.AddTail(r);
    }
    wchar_t dir[MAX_PATH], path[MAX_PATH];
    GetTempPathW(MAX_PATH, dir);
    GetTempFileNameW(dir, L"bnc", 0, path);

    auto t0 = std::chrono::steady_clock::now();
    {
        CFile f(path, CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&f, CArchive::store, 4096);
        list.Serialize(ar);
        ar.Close();
    }
    double save = Seconds(t0);

    CFile probe(path, CFile::modeRead);
    ULONGLONG size = probe.GetLength();
    std::vector<BYTE> bytes((size_t)size);
    probe.Read(bytes.data(), (UINT)size);
    probe.Close();

    t0 = std::chrono::steady_clock::now();
    CObList loaded;
    {
        CFile f(path, CFile::modeRead);
        CArchive ar(&f, CArchive::load, 4096);
        loaded.Serialize(ar);
    }
    double load = Seconds(t0);

    // Raw I/O of the same bytes in the same 4096-byte pieces.
    t0 = std::chrono::steady_clock::now();
    {
        CFile f(path, CFile::modeCreate | CFile::modeWrite);
        for (size_t off = 0; off < bytes.size(); off += 4096)
            f.Write(bytes.data() + off, (UINT)std::min<size_t>(4096, bytes.size() - off));
    }
    double rawWrite = Seconds(t0);
    t0 = std::chrono::steady_clock::now();
    {
        CFile f(path, CFile::modeRead);
        BYTE buf[4096];
        while (f.Read(buf, sizeof buf) > 0)
        {}
    }
    double rawRead = Seconds(t0);
    DeleteFileW(path);

    // The floor: making the same objects and list without any archive.
    t0 = std::chrono::steady_clock::now();
    {
        CObList made;
        for (int i = 0; i < count; ++i)
        {
            auto* r = new CBenchRecord;
            for (int k = 0; k < 12; ++k)
                r->m_text[k] = ((CBenchRecord*)list.GetHead())->m_text[k].GetString();
            made.AddTail(r);
        }
        while (!made.IsEmpty())
            delete made.RemoveHead();
    }
    double build = Seconds(t0);
    printf("building the same objects without an archive %.3f s\n", build);

    printf("records %d, bytes %llu\n", (int)loaded.GetCount(), (unsigned long long)size);
    printf("archive save %.3f s, raw write %.3f s, ratio %.2f\n", save, rawWrite, save / rawWrite);
    printf("archive load %.3f s, raw read %.3f s, ratio %.2f\n", load, rawRead, load / rawRead);
    while (!list.IsEmpty())
        delete list.RemoveHead();
    while (!loaded.IsEmpty())
        delete loaded.RemoveHead();
    return loaded.IsEmpty() ? 0 : 1;
}
