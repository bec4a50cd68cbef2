#include "support/gdi_making_counter.h"

#include "support/import_entry.h"

namespace demodisc::testing {

namespace {

int gDcs = 0;
int gBitmaps = 0;

decltype(&CreateCompatibleDC) gCreateCompatibleDC = nullptr;
decltype(&CreateCompatibleBitmap) gCreateCompatibleBitmap = nullptr;
decltype(&CreateBitmap) gCreateBitmap = nullptr;
decltype(&CreateDIBSection) gCreateDIBSection = nullptr;

HDC WINAPI CountedCreateCompatibleDC(HDC dc) {
  ++gDcs;
  return gCreateCompatibleDC(dc);
}
HBITMAP WINAPI CountedCreateCompatibleBitmap(HDC dc, int width, int height) {
  ++gBitmaps;
  return gCreateCompatibleBitmap(dc, width, height);
}
HBITMAP WINAPI CountedCreateBitmap(int width, int height, UINT planes, UINT bits,
                                   const void* data) {
  ++gBitmaps;
  return gCreateBitmap(width, height, planes, bits, data);
}
HBITMAP WINAPI CountedCreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits,
                                       HANDLE section, DWORD offset) {
  ++gBitmaps;
  return gCreateDIBSection(dc, info, usage, bits, section, offset);
}

template <class F>
void Hook(const char* function, F& real, F counted) {
  real = reinterpret_cast<F>(SwapImport("gdi32.dll", function, reinterpret_cast<void*>(counted)));
}

template <class F>
void Unhook(const char* function, F& real) {
  if (real) SwapImport("gdi32.dll", function, reinterpret_cast<void*>(real));
  real = nullptr;
}

}  // namespace

GdiMakingCounter::GdiMakingCounter() {
  Reset();
  Hook("CreateCompatibleDC", gCreateCompatibleDC, &CountedCreateCompatibleDC);
  Hook("CreateCompatibleBitmap", gCreateCompatibleBitmap, &CountedCreateCompatibleBitmap);
  Hook("CreateBitmap", gCreateBitmap, &CountedCreateBitmap);
  Hook("CreateDIBSection", gCreateDIBSection, &CountedCreateDIBSection);
  // The program makes its memory DCs and bitmaps through these two.
  hooked_ = gCreateCompatibleDC && gCreateCompatibleBitmap;
}

GdiMakingCounter::~GdiMakingCounter() {
  Unhook("CreateCompatibleDC", gCreateCompatibleDC);
  Unhook("CreateCompatibleBitmap", gCreateCompatibleBitmap);
  Unhook("CreateBitmap", gCreateBitmap);
  Unhook("CreateDIBSection", gCreateDIBSection);
}

int GdiMakingCounter::dcs() const { return gDcs; }
int GdiMakingCounter::bitmaps() const { return gBitmaps; }

void GdiMakingCounter::Reset() {
  gDcs = 0;
  gBitmaps = 0;
}

}  // namespace demodisc::testing
