// The media playback service the video window drives: one clip opened by
// file name, positions and lengths in frames (25 a second).
#pragma once

#include <cstdint>

#include "base/text.h"

namespace demodisc {

// The text of the error raised by an operation that needs an open device.
inline constexpr char kNoMciDeviceOpen[] = "No MCI device open";

class MediaDevice {
 public:
  virtual ~MediaDevice() = default;

  // The element that Open opens.
  virtual void SetFileName(const Text& fileName) = 0;
  // Closes a device that is open, then opens the file; raises AppError with
  // the text of the last error code when that fails.
  virtual void Open() = 0;
  // These raise AppError(kNoMciDeviceOpen) when no device is open; a command
  // the device refuses is only recorded as the last error code.
  virtual std::int32_t Length() = 0;
  // Plays from the current position, from the start when it stands at the end.
  virtual void Play() = 0;
  // Pauses while playing, resumes while paused, does nothing otherwise.
  virtual void Pause() = 0;
  virtual void Stop() = 0;
  virtual void Seek(std::int32_t to) = 0;
  // These need no device.
  virtual std::int32_t Position() = 0;
  virtual void Close() = 0;
  // The result of the last command sent, 0 for success, and its text.
  virtual std::uint32_t LastError() const = 0;
  virtual Text ErrorText() const = 0;
};

}  // namespace demodisc
