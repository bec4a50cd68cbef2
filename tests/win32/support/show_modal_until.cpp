#include "support/show_modal_until.h"

namespace demodisc::testing {

namespace {

struct Watch {
  Form* form;
  DWORD deadline;
  const std::function<bool()>* probe;
};
Watch* gWatch = nullptr;

void CALLBACK Check(HWND, UINT, UINT_PTR, DWORD) {
  if (!gWatch || !gWatch->form->IsShown()) return;
  const bool late = static_cast<LONG>(GetTickCount() - gWatch->deadline) >= 0;
  if (late || (*gWatch->probe)()) {
    Form* form = gWatch->form;
    gWatch = nullptr;
    form->Close();
  }
}

}  // namespace

int ShowModalUntil(Form& form, int ms, const std::function<bool()>& probe) {
  Watch watch{&form, GetTickCount() + static_cast<DWORD>(ms), &probe};
  gWatch = &watch;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, Check);
  const int result = form.ShowModal();
  KillTimer(nullptr, timer);
  gWatch = nullptr;
  return result;
}

}  // namespace demodisc::testing
