// MediaPlayer1 over the real MCI of the system, on a real clip.
#include <gtest/gtest.h>

#include "base/errors.h"
#include "media/mci_player_win.h"
#include "support/clip_disc.h"

namespace demodisc {
namespace {

using testing::ClipDisc;
using testing::kClipFrames;
using testing::PumpMessages;

// A hidden window for the device to draw into, so that it opens none of its own.
class DisplayWindow {
 public:
  DisplayWindow()
      : hwnd_(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 160, 120, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr)) {}
  ~DisplayWindow() { DestroyWindow(hwnd_); }
  HWND hwnd() const { return hwnd_; }

 private:
  HWND hwnd_;
};

class MciPlayerTest : public ::testing::Test {
 protected:
  MciPlayerTest() {
    player.SetDisplay(display.hwnd());
    player.SetFileName(disc.clip());
  }
  void PlayUntilPositionPasses(std::int32_t frames) {
    PumpMessages(2000, [&] { return player.Position() > frames; });
  }

  ClipDisc disc;
  DisplayWindow display;
  MciPlayer player;
};

TEST_F(MciPlayerTest, OpensTheClipUnderItsCyrillicNameWithVideo) {
  player.Open();
  EXPECT_TRUE(player.IsOpen());
  EXPECT_NE(player.DeviceId(), 0u);
  EXPECT_TRUE(player.DeviceCapabilities().hasVideo);
  EXPECT_TRUE(player.DeviceCapabilities().canPlay);
  EXPECT_EQ(player.Length(), kClipFrames);
  EXPECT_EQ(player.Position(), 0);
  EXPECT_EQ(player.Mode(), static_cast<std::uint32_t>(MCI_MODE_STOP));
}

TEST(MciPlayer, OpensTheClipUnderFoldersOfAnyScript) {
  for (const Text folder : {"Jürgen Müller", "Ελληνικά", "演示光盘"}) {
    SCOPED_TRACE(folder);
    ClipDisc disc(true, folder);
    MciPlayer player;
    player.SetFileName(disc.clip());
    player.Open();
    EXPECT_TRUE(player.IsOpen());
    EXPECT_EQ(player.Length(), kClipFrames);
    player.Close();
  }
}

TEST_F(MciPlayerTest, PlaysPausesContinuesStopsAndSeeks) {
  player.Open();
  player.Play();
  EXPECT_EQ(player.LastError(), 0u);
  EXPECT_EQ(player.Mode(), static_cast<std::uint32_t>(MCI_MODE_PLAY));
  PlayUntilPositionPasses(5);
  EXPECT_GT(player.Position(), 5);

  player.Pause();
  EXPECT_NE(player.Mode(), static_cast<std::uint32_t>(MCI_MODE_PLAY));
  const std::int32_t held = player.Position();
  PumpMessages(200);
  EXPECT_EQ(player.Position(), held);

  // Playing goes on from where the pause held it.
  player.Play();
  EXPECT_EQ(player.Mode(), static_cast<std::uint32_t>(MCI_MODE_PLAY));
  PlayUntilPositionPasses(held + 2);
  EXPECT_GT(player.Position(), held + 2);

  player.Stop();
  EXPECT_NE(player.Mode(), static_cast<std::uint32_t>(MCI_MODE_PLAY));
  player.Seek(0);
  EXPECT_EQ(player.LastError(), 0u);
  EXPECT_EQ(player.Position(), 0);
  player.Pause();  // stopped: nothing is sent, nothing starts
  EXPECT_NE(player.Mode(), static_cast<std::uint32_t>(MCI_MODE_PLAY));
  EXPECT_EQ(player.Position(), 0);
}

TEST_F(MciPlayerTest, PlayAtTheEndRewindsFirst) {
  player.Open();
  player.Seek(kClipFrames);
  // Wine's AVI device stops one frame short of the length and refuses a seek there.
  if (player.Position() != player.Length()) GTEST_SKIP() << "the device cannot stand at the end";
  player.Play();
  EXPECT_EQ(player.Mode(), static_cast<std::uint32_t>(MCI_MODE_PLAY));
  EXPECT_LT(player.Position(), kClipFrames / 2);
}

TEST_F(MciPlayerTest, PlaysToTheEndOfTheClipAndStops) {
  player.Open();
  player.Seek(kClipFrames - 10);
  player.Play();
  PumpMessages(3000, [&] { return player.Mode() != MCI_MODE_PLAY; });
  EXPECT_EQ(player.Mode(), static_cast<std::uint32_t>(MCI_MODE_STOP));
  // The last frame (Wine) or the length (Windows).
  EXPECT_GE(player.Position(), kClipFrames - 1);
}

TEST_F(MciPlayerTest, ClosedPlayerRaisesNoDeviceOpenAndSendsNothing) {
  player.Open();
  player.Close();
  EXPECT_FALSE(player.IsOpen());
  EXPECT_EQ(player.DeviceId(), 0u);
  player.Close();  // nothing to close
  auto raises = [&](auto operation) {
    try {
      operation();
    } catch (const AppError& e) {
      return e.text() == "No MCI device open";
    }
    return false;
  };
  EXPECT_TRUE(raises([&] { player.Length(); }));
  EXPECT_TRUE(raises([&] { player.Play(); }));
  EXPECT_TRUE(raises([&] { player.Pause(); }));
  EXPECT_TRUE(raises([&] { player.Stop(); }));
  EXPECT_TRUE(raises([&] { player.Seek(0); }));
  // The position needs no device: the command fails and says so.
  EXPECT_EQ(player.Position(), 0);
  EXPECT_NE(player.LastError(), 0u);
}

TEST_F(MciPlayerTest, ReopeningClosesTheDeviceFirst) {
  player.Open();
  player.Seek(40);
  player.Open();
  EXPECT_TRUE(player.IsOpen());
  EXPECT_EQ(player.Position(), 0);
}

TEST_F(MciPlayerTest, MissingClipRaisesMcisOwnTextForTheCode) {
  player.SetFileName(disc.dir / "missing.avi");
  try {
    player.Open();
    FAIL() << "opened a missing clip";
  } catch (const AppError& e) {
    EXPECT_NE(player.LastError(), 0u);
    EXPECT_FALSE(e.text().empty());
    EXPECT_EQ(e.text(), player.ErrorText());
    EXPECT_NE(e.text(), "Unknown error code");
  }
  EXPECT_FALSE(player.IsOpen());
}

}  // namespace
}  // namespace demodisc
