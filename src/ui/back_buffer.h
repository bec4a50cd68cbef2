// A window's drawing off screen, kept from one paint to the next: hot
// tracking repaints a button group many times a second, and a memory DC and
// bitmap made and deleted for each paint cost calls to the server under Wine.
#pragma once

#include <windows.h>

#include <optional>

#include "ui/look/gdi.h"

namespace demodisc {

// One window's back buffer: a memory DC holding a bitmap like its target's at
// the window's client size. Made at the first paint, kept for the next ones,
// made again at a new client size and let go of with the window.
class BackBuffer {
 public:
  BackBuffer() = default;
  ~BackBuffer() { Release(); }
  BackBuffer(const BackBuffer&) = delete;
  BackBuffer& operator=(const BackBuffer&) = delete;

  // The buffer's DC, holding a bitmap of `size` compatible with `target`;
  // the bitmap is made when the one kept has another size, or none is kept.
  HDC Prepare(HDC target, SIZE size);
  // Whether the last Prepare made a new bitmap, holding nothing drawn yet.
  bool Blank() const { return blank_; }
  // The owner window's messages: a new client size (WM_SIZE) lets go of a
  // bitmap of another size, WM_DESTROY of the whole buffer.
  void Follow(UINT msg, LPARAM lp);
  // Deletes the DC and the bitmap; the next Prepare makes them again.
  void Release();

 private:
  HDC dc_ = nullptr;
  OwnedBitmap bitmap_;
  HGDIOBJ old_ = nullptr;
  SIZE size_{};
  bool blank_ = true;
};

// One paint drawn off screen, so that it does not flicker: drawn into a
// window's back buffer instead of the target, and the area to paint copied
// to the target at the end. The buffer's DC starts each paint with its
// default state (colours, modes, font), as a new DC would. A target that is
// no window's DC (a memory DC of WM_PRINTCLIENT, a printer) gets a buffer of
// its own kind for this paint only.
class BufferedDc {
 public:
  // `client` is the window's client rectangle (GetClientRect), `dirty` the
  // area to copy out.
  BufferedDc(BackBuffer& kept, HDC target, const RECT& client, const RECT& dirty);
  ~BufferedDc();
  BufferedDc(const BufferedDc&) = delete;
  BufferedDc& operator=(const BufferedDc&) = delete;
  HDC dc() const { return dc_; }
  // Whether the buffer holds the window's last paint, so that only what
  // lies in the dirty area must be drawn again; a new buffer holds nothing.
  bool HoldsLastPaint() const { return holdsLastPaint_; }

 private:
  HDC target_;
  POINT origin_;
  RECT copy_{};
  std::optional<BackBuffer> once_;
  HDC dc_ = nullptr;
  int saved_ = 0;
  bool holdsLastPaint_ = false;
};

}  // namespace demodisc
