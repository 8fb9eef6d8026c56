// What every COM object of ours shares: one interface besides IUnknown, a
// count of references that starts with its creator's one, and deletion when
// the last one goes.
#pragma once

#include <windows.h>

#include <atomic>

namespace skinwright::win32 {

template <class Interface, const IID& kInterfaceId>
class ComObject : public Interface {
public:
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) final
    {
        if (object == nullptr)
            return E_POINTER;
        if (!IsEqualIID(id, IID_IUnknown) && !IsEqualIID(id, kInterfaceId)) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = static_cast<Interface*>(this);
        AddRef();
        return S_OK;
    }

    ULONG STDMETHODCALLTYPE AddRef() final { return ++references_; }

    ULONG STDMETHODCALLTYPE Release() final
    {
        const ULONG left = --references_;
        if (left == 0)
            delete this;
        return left;
    }

protected:
    ComObject() = default;
    virtual ~ComObject() = default;

private:
    std::atomic<ULONG> references_{1};
};

}  // namespace skinwright::win32
