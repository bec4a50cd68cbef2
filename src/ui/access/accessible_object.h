// The IAccessible object of one of our own windows' client area: the window
// itself is answered by the system's standard client object, its simple
// elements (child ids 1..n) by an AccessibleElements, and its child windows,
// which follow them (ids n+1..), by their own objects.
#pragma once

#include <oleacc.h>
#include <windows.h>

#include <vector>

namespace demodisc {

class AccessibleElements;

class AccessibleObject final : public IAccessible, public IOleWindow {
 public:
  // Starts with one reference, the caller's.
  AccessibleObject(HWND window, AccessibleElements& elements);
  AccessibleObject(const AccessibleObject&) = delete;
  AccessibleObject& operator=(const AccessibleObject&) = delete;

  // Cuts the object off from its window before the window goes: every call
  // after it fails with RPC_E_DISCONNECTED, clients in other processes lose
  // their connection.
  void Disconnect();

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IDispatch: not offered (clients call IAccessible directly).
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override;

  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** dispatch) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override;
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

  // IOleWindow
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override;

 private:
  ~AccessibleObject();

  // Which element a child id names: -1 for the window itself (CHILDID_SELF).
  // Fails with RPC_E_DISCONNECTED once the window is gone, E_INVALIDARG for
  // an id that names nothing.
  HRESULT Element(const VARIANT& child, int& index) const;
  HRESULT Connected() const;
  // Answers for an element with own(index), for the window itself with
  // standardCall(the standard object).
  template <class Own, class Std>
  HRESULT ForChild(const VARIANT& child, Own own, Std standardCall);
  // The standard client object, made on first use.
  IAccessible* Standard();

  // The direct child windows, in their z-order.
  std::vector<HWND> ChildWindows() const;
  int ChildWindowCount() const;
  // The child window of a 0-based child index past the elements.
  HWND ChildWindow(int index) const;
  static HRESULT WindowObject(HWND child, REFIID iid, void** object);
  static HRESULT WindowDispatch(HWND child, VARIANT* out);
  // A child as navigation and hit tests hand it out: an element by its id,
  // a child window as its object.
  HRESULT SetChild(VARIANT* out, int index);

  LONG refs_ = 1;
  HWND window_;
  AccessibleElements* elements_;  // null once disconnected
  IAccessible* standard_ = nullptr;
};

}  // namespace demodisc
