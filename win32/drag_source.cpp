#include "drag_source.h"

#include <windows.h>
#include <ole2.h>

#include <new>

#include "com_object.h"
#include "file_data_object.h"

namespace skinwright::win32 {
namespace {

class FileDropSource final : public ComObject<IDropSource, IID_IDropSource> {
public:
    FileDropSource() = default;

    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed, DWORD keys) override
    {
        if (escapePressed != FALSE || (keys & (MK_RBUTTON | MK_MBUTTON)) != 0)
            return DRAGDROP_S_CANCEL;
        return (keys & MK_LBUTTON) == 0 ? DRAGDROP_S_DROP : S_OK;
    }

    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

private:
    ~FileDropSource() override = default;

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
