#include "base/log_font_win.h"

#include <cwchar>

namespace demodisc {

LOGFONTW LogFontOf(const wchar_t* face, int height, bool bold, bool italic, BYTE charset) {
  LOGFONTW lf{};
  lf.lfHeight = -height;
  lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = italic ? TRUE : FALSE;
  lf.lfCharSet = charset;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH;
  wcsncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
  return lf;
}

}  // namespace demodisc
