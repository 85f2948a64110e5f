#include "support/test_data_object.h"

#include <shlobj.h>
#include <shlwapi.h>

#include <cstring>

namespace {

class TestDataObject final : public IDataObject {
public:
    explicit TestDataObject(const std::vector<OfferedFormat>& offered) : formats(offered) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override
    {
        static const QITAB interfaces[] = {QITABENT(TestDataObject, IDataObject), {nullptr, 0}};
        return QISearch(this, interfaces, riid, object);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references)); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG left = InterlockedDecrement(&references);
        if (left == 0)
            delete this;
        return static_cast<ULONG>(left);
    }

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* wanted, STGMEDIUM* medium) override
    {
        ++getDataCalls;
        const OfferedFormat* offered = Find(wanted);
        if (!offered || offered->getDataFails)
            return DV_E_FORMATETC;
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, offered->bytes.size());
        if (!offered->bytes.empty()) {
            std::memcpy(GlobalLock(block), offered->bytes.data(), offered->bytes.size());
            GlobalUnlock(block);
        }
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = block;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* wanted) override
    {
        return Find(wanted) ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override
    {
        out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** enumerator) override
    {
        if (direction != DATADIR_GET)
            return E_NOTIMPL;
        std::vector<FORMATETC> list;
        for (const OfferedFormat& offered : formats)
            list.push_back({offered.format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL});
        return SHCreateStdEnumFmtEtc(static_cast<UINT>(list.size()), list.data(), enumerator);
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override
    {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

    int getDataCalls = 0;

private:
    const OfferedFormat* Find(const FORMATETC* wanted) const
    {
        if (!wanted || !(wanted->tymed & TYMED_HGLOBAL))
            return nullptr;
        for (const OfferedFormat& offered : formats)
            if (offered.format == wanted->cfFormat)
                return &offered;
        return nullptr;
    }

    LONG references = 1;
    std::vector<OfferedFormat> formats;
};

std::string Header(bool wide)
{
    DROPFILES header{};
    header.pFiles = sizeof(DROPFILES);
    header.fWide = wide;
    return std::string(reinterpret_cast<const char*>(&header), sizeof header);
}

}

IDataObject* CreateTestDataObject(const std::vector<OfferedFormat>& formats)
{
    return new TestDataObject(formats);
}

int GetDataCalls(IDataObject* object)
{
    return static_cast<TestDataObject*>(object)->getDataCalls;
}

std::string AnsiFileList(const std::vector<std::string>& paths)
{
    std::string list = Header(false);
    for (const std::string& path : paths)
        list.append(path).push_back('\0');
    // The list ends with an empty string; an empty list is that alone.
    list.append(paths.empty() ? 2 : 1, '\0');
    return list;
}

std::string WideFileList(const std::vector<std::wstring>& paths)
{
    std::string list = Header(true);
    for (std::wstring path : paths) {
        path.push_back(L'\0');
        list.append(reinterpret_cast<const char*>(path.data()), path.size() * sizeof(wchar_t));
    }
    list.append(paths.empty() ? 4 : 2, '\0');
    return list;
}

CLIPFORMAT HtmlFormat()
{
    return static_cast<CLIPFORMAT>(RegisterClipboardFormatA("HTML Format"));
}
