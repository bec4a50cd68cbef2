#include "ui/access/accessible_object.h"

#include <new>
#include <string>
#include <vector>

#include "ui/access/accessible_elements.h"

namespace demodisc {

namespace {

// No exception may leave a COM method: an error becomes E_FAIL (or
// E_OUTOFMEMORY) for the caller.
template <class F>
HRESULT Safely(F&& f) noexcept {
  try {
    return f();
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_FAIL;
  }
}

void SetEmpty(VARIANT* v) { v->vt = VT_EMPTY; }

void SetI4(VARIANT* v, long value) {
  v->vt = VT_I4;
  v->lVal = value;
}

HRESULT SetString(BSTR* out, const std::wstring& text) {
  if (text.empty()) return S_FALSE;
  *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

long ChildId(int index) { return index + 1; }

// The child ids of several selected elements, as get_accSelection hands
// them out.
class ChildIdList final : public IEnumVARIANT {
 public:
  explicit ChildIdList(std::vector<int> indices, ULONG next = 0)
      : indices_(std::move(indices)), next_(next) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IEnumVARIANT) {
      *object = static_cast<IEnumVARIANT*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override {
    return static_cast<ULONG>(InterlockedIncrement(&refs_));
  }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }
  HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* items, ULONG* fetched) override {
    if (!items && count) return E_POINTER;
    ULONG n = 0;
    for (; n < count && next_ < indices_.size(); ++n, ++next_)
      SetI4(&items[n], ChildId(indices_[next_]));
    if (fetched) *fetched = n;
    return n == count ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
    const ULONG left = static_cast<ULONG>(indices_.size()) - next_;
    next_ += count < left ? count : left;
    return count <= left ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Reset() override {
    next_ = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override {
    if (!copy) return E_POINTER;
    return Safely([&] {
      *copy = new ChildIdList(indices_, next_);
      return S_OK;
    });
  }

 private:
  ~ChildIdList() = default;
  LONG refs_ = 1;
  std::vector<int> indices_;
  ULONG next_;
};

}  // namespace

AccessibleObject::AccessibleObject(HWND window, AccessibleElements& elements)
    : window_(window), elements_(&elements) {}

AccessibleObject::~AccessibleObject() {
  if (standard_) standard_->Release();
}

void AccessibleObject::Disconnect() {
  if (!elements_) return;
  elements_ = nullptr;
  if (standard_) {
    standard_->Release();
    standard_ = nullptr;
  }
  // Drops the references that clients in other processes hold through
  // their proxies; keeps this object alive while COM lets them go.
  AddRef();
  CoDisconnectObject(static_cast<IAccessible*>(this), 0);
  Release();
}

HRESULT AccessibleObject::Connected() const {
  return elements_ && IsWindow(window_) ? S_OK : RPC_E_DISCONNECTED;
}

HRESULT AccessibleObject::Element(const VARIANT& child, int& index) const {
  if (const HRESULT hr = Connected(); FAILED(hr)) return hr;
  if (child.vt == VT_EMPTY) {
    index = -1;
    return S_OK;
  }
  if (child.vt != VT_I4) return E_INVALIDARG;
  if (child.lVal == CHILDID_SELF) {
    index = -1;
    return S_OK;
  }
  if (child.lVal < 1 || child.lVal > elements_->ElementCount() + ChildWindowCount())
    return E_INVALIDARG;
  index = static_cast<int>(child.lVal - 1);
  return S_OK;
}

std::vector<HWND> AccessibleObject::ChildWindows() const {
  std::vector<HWND> windows;
  for (HWND w = ::GetWindow(window_, GW_CHILD); w; w = ::GetWindow(w, GW_HWNDNEXT))
    windows.push_back(w);
  return windows;
}

int AccessibleObject::ChildWindowCount() const { return static_cast<int>(ChildWindows().size()); }

HWND AccessibleObject::ChildWindow(int index) const {
  const int k = index - elements_->ElementCount();
  const std::vector<HWND> windows = ChildWindows();
  return k >= 0 && k < static_cast<int>(windows.size()) ? windows[static_cast<std::size_t>(k)]
                                                        : nullptr;
}

HRESULT AccessibleObject::WindowObject(HWND child, REFIID iid, void** object) {
  return AccessibleObjectFromWindow(child, static_cast<DWORD>(OBJID_WINDOW), iid, object);
}

HRESULT AccessibleObject::WindowDispatch(HWND child, VARIANT* out) {
  void* object = nullptr;
  const HRESULT hr = WindowObject(child, IID_IDispatch, &object);
  if (FAILED(hr)) return hr;
  out->vt = VT_DISPATCH;
  out->pdispVal = static_cast<IDispatch*>(object);
  return S_OK;
}

IAccessible* AccessibleObject::Standard() {
  if (!standard_ && elements_) {
    void* object = nullptr;
    if (SUCCEEDED(CreateStdAccessibleObject(window_, OBJID_CLIENT, __uuidof(IAccessible), &object)))
      standard_ = static_cast<IAccessible*>(object);
  }
  return standard_;
}

// Answers for an element with `own`; for the window itself through the
// standard object, for a child window through that window's own object.
template <class Own, class Other>
HRESULT AccessibleObject::ForChild(const VARIANT& child, Own own, Other other) {
  int index;
  if (const HRESULT hr = Element(child, index); FAILED(hr)) return hr;
  if (index < 0) {
    IAccessible* standard = Standard();
    return standard ? other(standard, child) : E_FAIL;
  }
  if (index < elements_->ElementCount()) return Safely([&]() -> HRESULT { return own(index); });
  void* object = nullptr;
  if (const HRESULT hr = WindowObject(ChildWindow(index), __uuidof(IAccessible), &object);
      FAILED(hr))
    return hr;
  auto* window = static_cast<IAccessible*>(object);
  VARIANT self;
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  const HRESULT hr = other(window, self);
  window->Release();
  return hr;
}

HRESULT AccessibleObject::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  // __uuidof, never IID_IAccessible: x86_64 MinGW's liboleacc.a defines that
  // name as an import stub, whose bytes are code, not the interface's GUID.
  if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(IAccessible)) {
    *object = static_cast<IAccessible*>(this);
  } else if (iid == IID_IOleWindow) {
    *object = static_cast<IOleWindow*>(this);
  } else {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

ULONG AccessibleObject::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }

ULONG AccessibleObject::Release() {
  const LONG left = InterlockedDecrement(&refs_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT AccessibleObject::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}
HRESULT AccessibleObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info) *info = nullptr;
  return E_NOTIMPL;
}
HRESULT AccessibleObject::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
  return E_NOTIMPL;
}
HRESULT AccessibleObject::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                 UINT*) {
  return E_NOTIMPL;
}

HRESULT AccessibleObject::get_accParent(IDispatch** parent) {
  if (!parent) return E_POINTER;
  *parent = nullptr;
  if (const HRESULT hr = Connected(); FAILED(hr)) return hr;
  IAccessible* standard = Standard();
  return standard ? standard->get_accParent(parent) : E_FAIL;
}

HRESULT AccessibleObject::get_accChildCount(long* count) {
  if (!count) return E_POINTER;
  *count = 0;
  if (const HRESULT hr = Connected(); FAILED(hr)) return hr;
  *count = elements_->ElementCount() + ChildWindowCount();
  return S_OK;
}

HRESULT AccessibleObject::get_accChild(VARIANT child, IDispatch** dispatch) {
  if (!dispatch) return E_POINTER;
  *dispatch = nullptr;
  int index;
  if (const HRESULT hr = Element(child, index); FAILED(hr)) return hr;
  if (index < 0) return E_INVALIDARG;
  // The elements are simple: the caller talks to them through this object.
  if (index < elements_->ElementCount()) return S_FALSE;
  void* object = nullptr;
  const HRESULT hr = WindowObject(ChildWindow(index), IID_IDispatch, &object);
  *dispatch = static_cast<IDispatch*>(object);
  return hr;
}

HRESULT AccessibleObject::get_accName(VARIANT child, BSTR* name) {
  if (!name) return E_POINTER;
  *name = nullptr;
  return ForChild(
      child, [&](int index) { return SetString(name, elements_->ElementName(index)); },
      [&](IAccessible* object, VARIANT id) { return object->get_accName(id, name); });
}

HRESULT AccessibleObject::get_accValue(VARIANT child, BSTR* value) {
  if (!value) return E_POINTER;
  *value = nullptr;
  return ForChild(
      child, [](int) -> HRESULT { return DISP_E_MEMBERNOTFOUND; },
      [&](IAccessible* object, VARIANT id) { return object->get_accValue(id, value); });
}

HRESULT AccessibleObject::get_accDescription(VARIANT child, BSTR* description) {
  if (!description) return E_POINTER;
  *description = nullptr;
  return ForChild(
      child, [](int) -> HRESULT { return S_FALSE; },
      [&](IAccessible* object, VARIANT id) { return object->get_accDescription(id, description); });
}

HRESULT AccessibleObject::get_accRole(VARIANT child, VARIANT* role) {
  if (!role) return E_POINTER;
  SetEmpty(role);
  int index;
  if (const HRESULT hr = Element(child, index); FAILED(hr)) return hr;
  if (index < 0 && elements_->ClientRole()) {
    SetI4(role, elements_->ClientRole());
    return S_OK;
  }
  return ForChild(
      child,
      [&](int element) -> HRESULT {
        SetI4(role, elements_->ElementRole(element));
        return S_OK;
      },
      [&](IAccessible* object, VARIANT id) { return object->get_accRole(id, role); });
}

HRESULT AccessibleObject::get_accState(VARIANT child, VARIANT* state) {
  if (!state) return E_POINTER;
  SetEmpty(state);
  return ForChild(
      child,
      [&](int index) -> HRESULT {
        SetI4(state, static_cast<long>(elements_->ElementState(index)));
        return S_OK;
      },
      [&](IAccessible* object, VARIANT id) { return object->get_accState(id, state); });
}

HRESULT AccessibleObject::get_accHelp(VARIANT child, BSTR* help) {
  if (!help) return E_POINTER;
  *help = nullptr;
  return ForChild(
      child, [](int) -> HRESULT { return S_FALSE; },
      [&](IAccessible* object, VARIANT id) { return object->get_accHelp(id, help); });
}

HRESULT AccessibleObject::get_accHelpTopic(BSTR* file, VARIANT child, long* topic) {
  if (!file || !topic) return E_POINTER;
  *file = nullptr;
  *topic = 0;
  return ForChild(
      child, [](int) -> HRESULT { return S_FALSE; },
      [&](IAccessible* object, VARIANT id) { return object->get_accHelpTopic(file, id, topic); });
}

HRESULT AccessibleObject::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
  if (!shortcut) return E_POINTER;
  *shortcut = nullptr;
  return ForChild(
      child, [](int) -> HRESULT { return S_FALSE; },
      [&](IAccessible* object, VARIANT id) {
        return object->get_accKeyboardShortcut(id, shortcut);
      });
}

HRESULT AccessibleObject::get_accFocus(VARIANT* focus) {
  if (!focus) return E_POINTER;
  SetEmpty(focus);
  if (const HRESULT hr = Connected(); FAILED(hr)) return hr;
  HWND at = GetFocus();
  if (at == window_) {
    const int index = elements_->FocusedElement();
    SetI4(focus, index >= 0 ? ChildId(index) : CHILDID_SELF);
    return S_OK;
  }
  // The focus in a child window, or deeper: the child window that holds it.
  // (GetParent alone would climb from a popup to its owner.)
  if (!at || !IsChild(window_, at)) return S_FALSE;
  while (GetParent(at) != window_) at = GetParent(at);
  return WindowDispatch(at, focus);
}

HRESULT AccessibleObject::get_accSelection(VARIANT* selection) {
  if (!selection) return E_POINTER;
  SetEmpty(selection);
  if (const HRESULT hr = Connected(); FAILED(hr)) return hr;
  return Safely([&]() -> HRESULT {
    std::vector<int> selected = elements_->SelectedElements();
    if (selected.empty()) return S_FALSE;
    if (selected.size() == 1) {
      SetI4(selection, ChildId(selected.front()));
      return S_OK;
    }
    selection->vt = VT_UNKNOWN;
    selection->punkVal = new ChildIdList(std::move(selected));
    return S_OK;
  });
}

HRESULT AccessibleObject::get_accDefaultAction(VARIANT child, BSTR* action) {
  if (!action) return E_POINTER;
  *action = nullptr;
  return ForChild(
      child, [&](int index) { return SetString(action, elements_->DefaultAction(index)); },
      [&](IAccessible* object, VARIANT id) { return object->get_accDefaultAction(id, action); });
}

HRESULT AccessibleObject::accSelect(long flags, VARIANT child) {
  return ForChild(
      child,
      [&](int index) -> HRESULT {
        return elements_->Select(index, flags) ? S_OK : DISP_E_MEMBERNOTFOUND;
      },
      [&](IAccessible* object, VARIANT id) { return object->accSelect(flags, id); });
}

HRESULT AccessibleObject::accLocation(long* left, long* top, long* width, long* height,
                                      VARIANT child) {
  if (!left || !top || !width || !height) return E_POINTER;
  *left = *top = *width = *height = 0;
  return ForChild(
      child,
      [&](int index) -> HRESULT {
        RECT r = elements_->ElementRect(index);
        if (IsRectEmpty(&r)) return S_FALSE;
        MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&r), 2);
        *left = r.left;
        *top = r.top;
        *width = r.right - r.left;
        *height = r.bottom - r.top;
        return S_OK;
      },
      [&](IAccessible* object, VARIANT id) {
        return object->accLocation(left, top, width, height, id);
      });
}

HRESULT AccessibleObject::SetChild(VARIANT* out, int index) {
  if (index < elements_->ElementCount()) {
    SetI4(out, ChildId(index));
    return S_OK;
  }
  return WindowDispatch(ChildWindow(index), out);
}

HRESULT AccessibleObject::accNavigate(long direction, VARIANT start, VARIANT* end) {
  if (!end) return E_POINTER;
  SetEmpty(end);
  int index;
  if (const HRESULT hr = Element(start, index); FAILED(hr)) return hr;
  const int elements = elements_->ElementCount();
  const int count = elements + ChildWindowCount();
  if (direction == NAVDIR_FIRSTCHILD || direction == NAVDIR_LASTCHILD) {
    if (index >= 0) return E_INVALIDARG;  // a simple element has no children
    if (count == 0) return S_FALSE;
    return SetChild(end, direction == NAVDIR_FIRSTCHILD ? 0 : count - 1);
  }
  if (index < 0) {
    IAccessible* standard = Standard();
    return standard ? standard->accNavigate(direction, start, end) : E_FAIL;
  }
  int to = index < elements ? elements_->Navigate(index, direction) : -1;
  // Next and previous go on from the last element to the child windows and
  // among them.
  if (to < 0) {
    if (direction == NAVDIR_NEXT && index + 1 < count && index + 1 >= elements)
      to = index + 1;
    else if (direction == NAVDIR_PREVIOUS && index >= elements)
      to = index - 1;
  }
  if (to < 0) return S_FALSE;
  return SetChild(end, to);
}

HRESULT AccessibleObject::accHitTest(long x, long y, VARIANT* child) {
  if (!child) return E_POINTER;
  SetEmpty(child);
  if (const HRESULT hr = Connected(); FAILED(hr)) return hr;
  POINT p{x, y};
  ScreenToClient(window_, &p);
  RECT client;
  GetClientRect(window_, &client);
  if (!PtInRect(&client, p)) return S_FALSE;
  // Child windows lie over what the window paints.
  const HWND under = ChildWindowFromPointEx(window_, p, CWP_SKIPINVISIBLE);
  if (under && under != window_) return WindowDispatch(under, child);
  const int index = elements_->ElementAt(p);
  SetI4(child, index >= 0 ? ChildId(index) : CHILDID_SELF);
  return S_OK;
}

HRESULT AccessibleObject::accDoDefaultAction(VARIANT child) {
  return ForChild(
      child,
      [&](int index) -> HRESULT {
        return elements_->DoDefaultAction(index) ? S_OK : DISP_E_MEMBERNOTFOUND;
      },
      [&](IAccessible* object, VARIANT id) { return object->accDoDefaultAction(id); });
}

HRESULT AccessibleObject::put_accName(VARIANT, BSTR) { return E_NOTIMPL; }
HRESULT AccessibleObject::put_accValue(VARIANT, BSTR) { return E_NOTIMPL; }

HRESULT AccessibleObject::GetWindow(HWND* window) {
  if (!window) return E_POINTER;
  *window = nullptr;
  if (const HRESULT hr = Connected(); FAILED(hr)) return hr;
  *window = window_;
  return S_OK;
}

HRESULT AccessibleObject::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

}  // namespace demodisc
