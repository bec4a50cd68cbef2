// MediaPlayer1: one clip played through the Media Control Interface. The
// device is chosen by the system from the file; its picture goes into the
// display window.
#pragma once

#include <windows.h>

#include <mmsystem.h>

#include "media/media_device.h"

namespace demodisc {

class MciPlayer final : public MediaDevice {
 public:
  MciPlayer() = default;
  // A device still open is closed.
  ~MciPlayer() override;
  MciPlayer(const MciPlayer&) = delete;
  MciPlayer& operator=(const MciPlayer&) = delete;

  // The window the device draws into when it has video.
  void SetDisplay(HWND display) { display_ = display; }
  // The window the devices send their completion notices to; without one
  // they send none.
  void SetNotifyWindow(HWND window) { notifyWindow_ = window; }
  const Text& FileName() const { return fileName_; }

  void SetFileName(const Text& fileName) override { fileName_ = fileName; }
  void Open() override;
  std::int32_t Length() override;
  std::int32_t Position() override;
  void Play() override;
  void Pause() override;
  void Stop() override;
  void Seek(std::int32_t to) override;
  void Close() override;
  std::uint32_t LastError() const override { return lastError_; }
  Text ErrorText() const override;

  bool IsOpen() const { return open_; }
  MCIDEVICEID DeviceId() const { return deviceId_; }
  // The device's mode (MCI_MODE_PLAY, MCI_MODE_PAUSE, MCI_MODE_STOP, ...).
  std::uint32_t Mode();

  // Capabilities the device reported when it was opened.
  struct Capabilities {
    bool canPlay = false;
    bool canRecord = false;
    bool canEject = false;
    bool hasVideo = false;
  };
  const Capabilities& DeviceCapabilities() const { return caps_; }

 private:
  // Sends a command to the device; its result becomes the last error code.
  MCIERROR Send(UINT command, DWORD_PTR flags, void* params);
  DWORD_PTR NotifyFlag() const;
  void RequireOpen() const;
  std::uint32_t Status(DWORD item);
  bool DeviceCapability(DWORD item);

  HWND notifyWindow_ = nullptr;
  HWND display_ = nullptr;
  Text fileName_;
  MCIDEVICEID deviceId_ = 0;
  bool open_ = false;
  MCIERROR lastError_ = 0;
  Capabilities caps_;
  static constexpr bool kAutoRewind = true;
};

}  // namespace demodisc
