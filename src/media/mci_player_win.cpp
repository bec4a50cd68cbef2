#include "media/mci_player_win.h"

#include <digitalv.h>

#include "base/errors.h"
#include "base/wide_win.h"

namespace demodisc {

namespace {

// Some MCI implementations (Wine's) pass the element name through the ANSI
// code page, so a name with characters outside it is not found. Its short
// form, where the file system keeps one, has none; empty when there is none.
std::wstring ShortFormOf(const std::wstring& path) {
  bool plain = true;
  for (wchar_t c : path) plain = plain && c < 0x80;
  if (plain) return {};
  std::wstring shortForm(MAX_PATH, L'\0');
  const DWORD n = GetShortPathNameW(path.c_str(), shortForm.data(), MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return {};
  shortForm.resize(n);
  return shortForm == path ? std::wstring() : shortForm;
}

}  // namespace

MciPlayer::~MciPlayer() { Close(); }

DWORD_PTR MciPlayer::NotifyFlag() const { return notifyWindow_ ? MCI_NOTIFY : 0; }

MCIERROR MciPlayer::Send(UINT command, DWORD_PTR flags, void* params) {
  lastError_ = mciSendCommandW(deviceId_, command, flags, reinterpret_cast<DWORD_PTR>(params));
  return lastError_;
}

void MciPlayer::RequireOpen() const {
  if (!open_) throw AppError(Text(kNoMciDeviceOpen));
}

void MciPlayer::Open() {
  if (open_) Close();
  const std::wstring element = Wide(fileName_);
  MCI_OPEN_PARMSW p{};
  p.dwCallback = reinterpret_cast<DWORD_PTR>(notifyWindow_);
  p.lpstrDeviceType = L"";
  p.lpstrElementName = element.c_str();
  lastError_ =
      mciSendCommandW(0, MCI_OPEN, MCI_WAIT | MCI_OPEN_ELEMENT, reinterpret_cast<DWORD_PTR>(&p));
  if (lastError_ == MCIERR_FILE_NOT_FOUND) {
    const std::wstring shortForm = ShortFormOf(element);
    if (!shortForm.empty()) {
      p.lpstrElementName = shortForm.c_str();
      lastError_ = mciSendCommandW(0, MCI_OPEN, MCI_WAIT | MCI_OPEN_ELEMENT,
                                   reinterpret_cast<DWORD_PTR>(&p));
    }
  }
  if (lastError_ != 0) throw AppError(ErrorText());
  deviceId_ = p.wDeviceID;
  open_ = true;

  caps_.canPlay = DeviceCapability(MCI_GETDEVCAPS_CAN_PLAY);
  caps_.canRecord = DeviceCapability(MCI_GETDEVCAPS_CAN_RECORD);
  caps_.canEject = DeviceCapability(MCI_GETDEVCAPS_CAN_EJECT);
  caps_.hasVideo = DeviceCapability(MCI_GETDEVCAPS_HAS_VIDEO);
  if (caps_.hasVideo && display_) {
    MCI_DGV_WINDOW_PARMSW w{};
    w.hWnd = display_;
    Send(MCI_WINDOW, MCI_DGV_WINDOW_HWND | MCI_WAIT, &w);
  }
}

bool MciPlayer::DeviceCapability(DWORD item) {
  MCI_GETDEVCAPS_PARMS p{};
  p.dwItem = item;
  return Send(MCI_GETDEVCAPS, MCI_GETDEVCAPS_ITEM | MCI_WAIT, &p) == 0 && p.dwReturn != 0;
}

std::uint32_t MciPlayer::Status(DWORD item) {
  MCI_STATUS_PARMS p{};
  p.dwItem = item;
  Send(MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT, &p);
  return static_cast<std::uint32_t>(p.dwReturn);
}

std::int32_t MciPlayer::Length() {
  RequireOpen();
  return static_cast<std::int32_t>(Status(MCI_STATUS_LENGTH));
}

std::int32_t MciPlayer::Position() {
  return static_cast<std::int32_t>(Status(MCI_STATUS_POSITION));
}

std::uint32_t MciPlayer::Mode() {
  RequireOpen();
  return Status(MCI_STATUS_MODE);
}

void MciPlayer::Play() {
  RequireOpen();
  if (kAutoRewind && Position() == Length()) {
    MCI_SEEK_PARMS s{};
    Send(MCI_SEEK, MCI_SEEK_TO_START | MCI_WAIT, &s);
  }
  MCI_PLAY_PARMS p{};
  p.dwCallback = reinterpret_cast<DWORD_PTR>(notifyWindow_);
  Send(MCI_PLAY, NotifyFlag(), &p);
}

void MciPlayer::Pause() {
  const std::uint32_t mode = Mode();
  if (mode == MCI_MODE_PLAY) {
    MCI_GENERIC_PARMS p{};
    Send(MCI_PAUSE, MCI_WAIT, &p);
  } else if (mode == MCI_MODE_PAUSE) {
    MCI_GENERIC_PARMS p{};
    p.dwCallback = reinterpret_cast<DWORD_PTR>(notifyWindow_);
    if (Send(MCI_RESUME, NotifyFlag(), &p) != 0) Play();
  }
}

void MciPlayer::Stop() {
  RequireOpen();
  MCI_GENERIC_PARMS p{};
  Send(MCI_STOP, MCI_WAIT, &p);
}

void MciPlayer::Seek(std::int32_t to) {
  RequireOpen();
  MCI_SEEK_PARMS p{};
  p.dwTo = static_cast<DWORD>(to);
  Send(MCI_SEEK, MCI_WAIT | MCI_TO, &p);
}

void MciPlayer::Close() {
  if (deviceId_ == 0) return;
  MCI_GENERIC_PARMS p{};
  if (Send(MCI_CLOSE, MCI_WAIT, &p) != 0) return;
  deviceId_ = 0;
  open_ = false;
  caps_ = {};
}

Text MciPlayer::ErrorText() const {
  wchar_t buffer[4096 / sizeof(wchar_t)] = {};
  if (!mciGetErrorStringW(lastError_, buffer, sizeof buffer / sizeof buffer[0]))
    return "Unknown error code";
  return FromWide(buffer);
}

}  // namespace demodisc
