#include "accessible_name.h"

#include <commctrl.h>
#include <oleacc.h>

#include "com_object.h"

namespace skinwright::win32 {
namespace {

constexpr UINT_PTR kNamingSubclass = 2;
// The control's property that holds its name, a std::wstring of ours.
constexpr wchar_t kNameProperty[] = L"Skinwright.AccessibleName";

std::wstring* NameOf(HWND control)
{
    return static_cast<std::wstring*>(GetPropW(control, kNameProperty));
}

bool IsSelf(const VARIANT& child)
{
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// The system's accessible object of a control, asked for everything but the
// control's own name.
class RenamedAccessible final : public ComObject<IAccessible, IID_IAccessible> {
public:
    RenamedAccessible(IAccessible* standard, const std::wstring& name) : standard_(standard), name_(name) {}

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        if (!IsSelf(child))
            return standard_->get_accName(child, name);
        if (name == nullptr)
            return E_POINTER;
        *name = SysAllocString(name_.c_str());
        return *name != nullptr ? S_OK : E_OUTOFMEMORY;
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return standard_->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override
    {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override
    {
        return standard_->GetIDsOfNames(id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argument) override
    {
        return standard_->Invoke(member, id, locale, flags, parameters, result, exception, argument);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return standard_->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override { return standard_->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override
    {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override
    {
        return standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override
    {
        return standard_->get_accDescription(child, text);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        return standard_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        return standard_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override
    {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override
    {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override
    {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return standard_->get_accFocus(child); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override
    {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override
    {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override
    {
        return standard_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override
    {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override
    {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override
    {
        return standard_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override
    {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override
    {
        return standard_->put_accValue(child, value);
    }

private:
    ~RenamedAccessible() override { standard_->Release(); }

    IAccessible* standard_;
    std::wstring name_;
};

LRESULT CALLBACK NamingProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    std::wstring* name = NameOf(control);
    if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT && name != nullptr) {
        IAccessible* standard = nullptr;
        if (SUCCEEDED(CreateStdAccessibleObject(control, OBJID_CLIENT, IID_IAccessible,
                                                reinterpret_cast<void**>(&standard)))) {
            auto* renamed = new RenamedAccessible(standard, *name);
            const LRESULT result = LresultFromObject(IID_IAccessible, wParam, renamed);
            renamed->Release();
            return result;
        }
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(control, &NamingProcedure, kNamingSubclass);
        RemovePropW(control, kNameProperty);
        delete name;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

}  // namespace

void SetAccessibleName(HWND control, const std::wstring& name)
{
    if (std::wstring* shown = NameOf(control)) {
        *shown = name;
    } else {
        SetPropW(control, kNameProperty, new std::wstring(name));
        SetWindowSubclass(control, &NamingProcedure, kNamingSubclass, 0);
    }
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace skinwright::win32
