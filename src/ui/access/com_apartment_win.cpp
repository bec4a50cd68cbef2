#include "ui/access/com_apartment_win.h"

#include <objbase.h>

namespace demodisc {

// Set up at the first use only, so that a session that needs no COM never
// loads it.
bool ComApartmentReady() {
  static const struct Com {
    HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ~Com() {
      if (SUCCEEDED(hr)) CoUninitialize();
    }
  } com;
  return SUCCEEDED(com.hr) || com.hr == RPC_E_CHANGED_MODE;
}

}  // namespace demodisc
