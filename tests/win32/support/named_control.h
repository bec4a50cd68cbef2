// A form's control by the name it was created with, as a window handle; null
// when the form has none by that name.
#pragma once

#include <windows.h>

#include <string_view>

#include "ui/form.h"

namespace demodisc::testing {

inline HWND NamedControl(const Form& form, std::string_view name) {
  const Window* control = form.Named(name);
  return control ? control->hwnd() : nullptr;
}

}  // namespace demodisc::testing
