#include "file_data_object.h"

#include <shlobj.h>

#include <cstring>
#include <new>
#include <string>
#include <utility>

#include "com_object.h"

namespace skinwright::win32 {
namespace {

FORMATETC FileNamesFormat()
{
    return {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

bool IsFileNamesFormat(const FORMATETC* format)
{
    return format != nullptr && format->cfFormat == CF_HDROP && format->dwAspect == DVASPECT_CONTENT
        && (format->tymed & TYMED_HGLOBAL) != 0 && (format->lindex == -1 || format->lindex == 0);
}

// A DROPFILES header, then the name, its NUL and the NUL that ends the list.
HGLOBAL MakeDropBlock(const std::wstring& name)
{
    const std::size_t names = (name.size() + 2) * sizeof(wchar_t);
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + names);
    if (block == nullptr)
        return nullptr;
    auto* bytes = static_cast<std::byte*>(GlobalLock(block));
    if (bytes == nullptr) {
        GlobalFree(block);
        return nullptr;
    }
    DROPFILES header{};
    header.pFiles = sizeof header;
    header.fWide = TRUE;
    std::memcpy(bytes, &header, sizeof header);
    std::memcpy(bytes + sizeof header, name.c_str(), name.size() * sizeof(wchar_t));
    GlobalUnlock(block);
    return block;
}

class FileDataObject final : public ComObject<IDataObject, IID_IDataObject> {
public:
    explicit FileDataObject(std::wstring name) : name_(std::move(name)) {}

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override
    {
        if (format == nullptr || medium == nullptr)
            return E_INVALIDARG;
        *medium = {};
        if (!IsFileNamesFormat(format))
            return DV_E_FORMATETC;
        const HGLOBAL block = MakeDropBlock(name_);
        if (block == nullptr)
            return E_OUTOFMEMORY;
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = block;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }

    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override
    {
        return IsFileNamesFormat(format) ? S_OK : DV_E_FORMATETC;
    }

    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* canonical) override
    {
        if (canonical != nullptr)
            canonical->ptd = nullptr;
        return E_NOTIMPL;
    }

    // What a drop target tells the source (Explorer's "performed" effect)
    // is not kept.
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }

    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override
    {
        if (formats == nullptr)
            return E_POINTER;
        *formats = nullptr;
        if (direction != DATADIR_GET)
            return E_NOTIMPL;
        FORMATETC format = FileNamesFormat();
        return SHCreateStdEnumFmtEtc(1, &format, formats);
    }

    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override
    {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    ~FileDataObject() override = default;

    std::wstring name_;
};

}  // namespace

IDataObject* MakeFileDataObject(const std::filesystem::path& file)
{
    try {
        return new FileDataObject(file.wstring());
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

}  // namespace skinwright::win32
