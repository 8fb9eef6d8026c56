#include "drag_source.h"

#include <windows.h>
#include <ole2.h>

#include <atomic>
#include <new>

#include "file_data_object.h"

namespace skinwright::win32 {
namespace {

class FileDropSource final : public IDropSource {
public:
    FileDropSource() = default;
    FileDropSource(const FileDropSource&) = delete;
    FileDropSource& operator=(const FileDropSource&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override
    {
        if (object == nullptr)
            return E_POINTER;
        if (!IsEqualIID(id, IID_IUnknown) && !IsEqualIID(id, IID_IDropSource)) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = static_cast<IDropSource*>(this);
        AddRef();
        return S_OK;
    }

    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }

    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG left = --references_;
        if (left == 0)
            delete this;
        return left;
    }

    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed, DWORD keys) override
    {
        if (escapePressed != FALSE || (keys & (MK_RBUTTON | MK_MBUTTON)) != 0)
            return DRAGDROP_S_CANCEL;
        return (keys & MK_LBUTTON) == 0 ? DRAGDROP_S_DROP : S_OK;
    }

    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

private:
    ~FileDropSource() = default;

    std::atomic<ULONG> references_{1};
};

}  // namespace

void DragFileOut(const std::filesystem::path& file)
{
    IDataObject* data = MakeFileDataObject(file);
    auto* source = new (std::nothrow) FileDropSource;
    if (data != nullptr && source != nullptr) {
        DWORD effect = DROPEFFECT_NONE;
        DoDragDrop(data, source, DROPEFFECT_COPY, &effect);
    }
    if (source != nullptr)
        source->Release();
    if (data != nullptr)
        data->Release();
}

}  // namespace skinwright::win32
