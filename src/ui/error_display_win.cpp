#include "ui/error_display_win.h"

#include <windows.h>

#include "base/app_title.h"
#include "base/errors.h"
#include "base/files_win.h"
#include "base/wide_win.h"
#include "ui/dispatch.h"
#include "ui/thread_windows_win.h"

namespace demodisc {

const Text& AppTitle() {
  static const Text title = AppTitleFromExePath(ExePath());
  return title;
}

void ShowDefaultError(const Text& text) {
  const HWND owner = GetActiveWindow();
  ThreadWindowsDisabled others(owner);
  MessageBoxW(owner, Wide(WithFullStop(text)).c_str(), Wide(AppTitle()).c_str(),
              MB_OK | MB_ICONSTOP);
}

void ReportCurrentException() noexcept {
  try {
    try {
      throw;
    } catch (const AppError& e) {
      ShowDefaultError(e.text());
    } catch (const std::bad_alloc&) {
      ShowDefaultError("Out of memory");
    } catch (const std::exception& e) {
      ShowDefaultError(e.what());
    } catch (...) {
      ShowDefaultError("Unknown error");
    }
  } catch (...) {
    // The display itself failed (no memory left): nothing more can be shown.
  }
}

}  // namespace demodisc
