#include "drop_target.h"

#include <commctrl.h>
#include <ole2.h>

#include <deque>
#include <utility>

#include "com_object.h"

namespace skinwright::win32 {
namespace {

constexpr UINT_PTR kDropSubclass = 1;

// Posted to the window for each drop taken, to hand its files over.
UINT TakeDropMessage()
{
    static const UINT message = RegisterWindowMessageW(L"Skinwright.TakeDroppedFiles");
    return message;
}

// The data object's CF_HDROP medium is the drop target's own copy, even
// when the drag comes from another process.
DroppedFiles FilesOf(IDataObject* data)
{
    if (data == nullptr)
        return {};
    FORMATETC format = {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium = {};
    if (FAILED(data->GetData(&format, &medium)))
        return {};
    DroppedFiles files = medium.tymed == TYMED_HGLOBAL ? FilesInDrop(medium.hGlobal) : DroppedFiles();
    ReleaseStgMedium(&medium);
    return files;
}

// The files are only read: a source told they were moved would delete them.
DWORD CopyIfAllowed(DWORD allowed)
{
    return (allowed & DROPEFFECT_COPY) != 0 ? DROPEFFECT_COPY : DROPEFFECT_NONE;
}

class FileDropTarget final : public ComObject<IDropTarget, IID_IDropTarget> {
public:
    FileDropTarget(HWND window, FileDropRules rules) : window_(window), rules_(std::move(rules)) {}

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) override
    {
        if (effect == nullptr)
            return E_INVALIDARG;
        takes_ = TakesFilesOf(data);
        *effect = takes_ ? CopyIfAllowed(*effect) : DROPEFFECT_NONE;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL, DWORD* effect) override
    {
        if (effect == nullptr)
            return E_INVALIDARG;
        *effect = takes_ ? CopyIfAllowed(*effect) : DROPEFFECT_NONE;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE DragLeave() override
    {
        takes_ = false;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) override
    {
        if (effect == nullptr)
            return E_INVALIDARG;
        const DWORD allowed = *effect;
        takes_ = false;
        *effect = DROPEFFECT_NONE;
        try {
            DroppedFiles files = FilesOf(data);
            if (CopyIfAllowed(allowed) == DROPEFFECT_NONE || !Takes(files))
                return S_OK;
            pending_.push_back(std::move(files));
            if (PostMessageW(window_, TakeDropMessage(), 0, 0) == FALSE) {
                pending_.pop_back();
                return S_OK;
            }
            *effect = DROPEFFECT_COPY;
        } catch (...) {
            *effect = DROPEFFECT_NONE;  // no exception leaves for OLE
        }
        return S_OK;
    }

    // Hands over the files of the oldest drop not yet handed over.
    void TakePending()
    {
        if (pending_.empty() || !rules_.take)
            return;
        const DroppedFiles files = std::move(pending_.front());
        pending_.pop_front();
        // The rule may close the window, which forgets the rules and lets
        // go of this target: both are held until the rule returns.
        const std::function<void(const DroppedFiles&)> take = rules_.take;
        AddRef();
        take(files);
        Release();
    }

    // The window goes: nothing more is taken.
    void Forget()
    {
        rules_ = {};
        pending_.clear();
        takes_ = false;
    }

private:
    ~FileDropTarget() override = default;

    // No exception leaves for OLE: files that cannot be judged are refused.
    bool Takes(const DroppedFiles& files) const noexcept
    {
        try {
            return !files.empty() && rules_.takes && rules_.takes(files);
        } catch (...) {
            return false;
        }
    }

    bool TakesFilesOf(IDataObject* data) const noexcept
    {
        try {
            return Takes(FilesOf(data));
        } catch (...) {
            return false;
        }
    }

    HWND window_;
    FileDropRules rules_;
    bool takes_ = false;
    std::deque<DroppedFiles> pending_;
};

LRESULT CALLBACK DropSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    auto* target = reinterpret_cast<FileDropTarget*>(data);
    if (message == TakeDropMessage()) {
        target->TakePending();
        return 0;
    }
    if (message == WM_DESTROY) {
        RevokeDragDrop(window);
        target->Forget();
        RemoveWindowSubclass(window, &DropSubclass, kDropSubclass);
        target->Release();
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

void AcceptFileDrops(HWND window, FileDropRules rules)
{
    auto* target = new FileDropTarget(window, std::move(rules));
    if (FAILED(RegisterDragDrop(window, target))) {
        target->Release();
        return;
    }
    if (SetWindowSubclass(window, &DropSubclass, kDropSubclass, reinterpret_cast<DWORD_PTR>(target)) == FALSE) {
        RevokeDragDrop(window);
        target->Release();
    }
}

}  // namespace skinwright::win32
