// A form's control by the name it was created with: a window as its handle,
// a window or a graphic element as its place in its parent's client area and
// its font; null (or none) when the form has none by that name.
#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

#include "ui/form.h"

namespace demodisc::testing {

inline HWND NamedControl(const Form& form, std::string_view name) {
  const Window* control = form.Named(name);
  return control ? control->hwnd() : nullptr;
}

inline std::optional<Bounds> NamedBounds(const Form& form, std::string_view name) {
  if (const HWND window = NamedControl(form, name)) return BoundsInParent(window);
  if (const GraphicElement* element = form.NamedElement(name)) return element->bounds();
  return std::nullopt;
}

inline HFONT NamedFont(const Form& form, std::string_view name) {
  if (const HWND window = NamedControl(form, name))
    return reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
  const GraphicElement* element = form.NamedElement(name);
  return element ? element->font() : nullptr;
}

}  // namespace demodisc::testing
