// A media device in memory: a clip of a given length that plays when the
// test advances time, with a log of the commands the window sent.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/errors.h"
#include "media/media_device.h"

namespace demodisc::testing {

class FakeMediaDevice final : public MediaDevice {
 public:
  enum class Mode { kStopped, kPlaying, kPaused };

  // The open fails with this code when the file name differs from `clip`.
  static constexpr std::uint32_t kFileNotFound = 275;

  Text clip;
  std::int32_t length = 3125;
  std::vector<std::string> log;

  void SetFileName(const Text& fileName) override { fileName_ = fileName; }
  void Open() override {
    if (open_) Close();
    if (fileName_ != clip) {
      lastError_ = kFileNotFound;
      throw AppError(ErrorText());
    }
    lastError_ = 0;
    open_ = true;
    position_ = 0;
    mode_ = Mode::kStopped;
    log.push_back("open");
  }
  std::int32_t Length() override {
    Require();
    return length;
  }
  std::int32_t Position() override { return open_ ? position_ : 0; }
  void Play() override {
    Require();
    if (position_ == length) {
      position_ = 0;
      log.push_back("rewind");
    }
    mode_ = Mode::kPlaying;
    log.push_back("play");
  }
  void Pause() override {
    Require();
    if (mode_ == Mode::kPlaying) {
      mode_ = Mode::kPaused;
      log.push_back("pause");
    } else if (mode_ == Mode::kPaused) {
      mode_ = Mode::kPlaying;
      log.push_back("resume");
    }
  }
  void Stop() override {
    Require();
    mode_ = Mode::kStopped;
    log.push_back("stop");
  }
  void Seek(std::int32_t to) override {
    Require();
    position_ = to;
    mode_ = Mode::kStopped;
    log.push_back("seek " + std::to_string(to));
  }
  void Close() override {
    if (!open_) return;
    open_ = false;
    lastError_ = 0;
    log.push_back("close");
  }
  std::uint32_t LastError() const override { return lastError_; }
  Text ErrorText() const override {
    return lastError_ == 0 ? Text("The specified command was carried out.")
                           : "Error " + std::to_string(lastError_) + ": the file cannot be found.";
  }

  // Plays on for a number of frames, up to the end of the clip.
  void Advance(std::int32_t frames) {
    if (mode_ != Mode::kPlaying) return;
    position_ = position_ + frames >= length ? length : position_ + frames;
    if (position_ == length) mode_ = Mode::kStopped;
  }
  bool open() const { return open_; }
  Mode mode() const { return mode_; }
  std::int32_t position() const { return position_; }

 private:
  void Require() const {
    if (!open_) throw AppError(Text(kNoMciDeviceOpen));
  }

  Text fileName_;
  bool open_ = false;
  std::int32_t position_ = 0;
  Mode mode_ = Mode::kStopped;
  std::uint32_t lastError_ = 0;
};

}  // namespace demodisc::testing
