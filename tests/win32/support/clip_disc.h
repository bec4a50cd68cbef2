// A temporary disc holding the video window's clip: a 3-second MS Video 1
// AVI at 25 frames a second (75 frames), made at build time beside the tests.
#pragma once

#include <windows.h>

#include "base/wide_win.h"
#include "media/video_playback.h"
#include "support/test_support.h"

namespace demodisc::testing {

inline constexpr std::int32_t kClipFrames = 75;

class ClipDisc {
 public:
  // The disc at the temporary folder, or in a folder of that name inside it.
  explicit ClipDisc(bool withClip = true, const Text& folder = "")
      : rootDir(folder.empty() ? dir.path() : dir / folder) {
    MakeDirs(rootDir + "\\Presentation\\about");
    if (withClip)
      CopyFileW(Wide(TestProgramDir() + "\\clip.avi").c_str(), Wide(clip()).c_str(), FALSE);
  }
  Text root() const { return rootDir + "\\"; }
  Text clip() const { return root() + kVideoClip; }

  TempDir dir;
  Text rootDir;
};

}  // namespace demodisc::testing
