// DLLs planted beside the program under the names of system DLLs, as when
// the disc is copied into a folder full of downloads. Windows looks in the
// program's folder first for every DLL that is not a known DLL; under Wine
// the program's overrides "native first" for those names do the same. A
// planted DLL creates "<its name>.loaded" beside itself when it is loaded.
#include <gtest/gtest.h>

#include <oleacc.h>

#include <vector>

#include "base/wide_win.h"
#include "support/child_process.h"
#include "support/test_support.h"

namespace demodisc {
namespace {

using testing::ChildProcess;
using testing::TempDir;

// Copies planted_dll.dll into `dir` under each name (without ".dll") and
// has Wine look for those names beside `program` first, until the end of
// the object: through the program's overrides in the registry, as Wine
// takes no WINEDLLOVERRIDES from the environment a program gives a child.
class PlantedDlls {
 public:
  PlantedDlls(const TempDir& dir, const std::wstring& program, const std::vector<Text>& names)
      : key_(L"Software\\Wine\\AppDefaults\\" + program) {
    HKEY overrides = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, (key_ + L"\\DllOverrides").c_str(), 0, nullptr, 0,
                    KEY_SET_VALUE, nullptr, &overrides, nullptr);
    for (const Text& name : names) {
      CopyFileW(Wide(testing::TestProgramDir() + "\\planted_dll.dll").c_str(),
                Wide(dir / (name + ".dll")).c_str(), FALSE);
      static const wchar_t kNativeFirst[] = L"native,builtin";
      RegSetValueExW(overrides, Wide(name).c_str(), 0, REG_SZ,
                     reinterpret_cast<const BYTE*>(kNativeFirst), sizeof kNativeFirst);
    }
    RegCloseKey(overrides);
  }
  ~PlantedDlls() {
    RegDeleteKeyW(HKEY_CURRENT_USER, (key_ + L"\\DllOverrides").c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, key_.c_str());
  }
  PlantedDlls(const PlantedDlls&) = delete;
  PlantedDlls& operator=(const PlantedDlls&) = delete;

 private:
  std::wstring key_;
};

// Wine's crash dialog stays off while this lives: a program that a planted
// DLL makes crash ends at once instead of waiting for a click.
class NoCrashDialog {
 public:
  NoCrashDialog() {
    DWORD disposition = 0;
    RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE,
                    nullptr, &key_, &disposition);
    created_ = disposition == REG_CREATED_NEW_KEY;
    DWORD size = sizeof old_;
    had_ = RegQueryValueExW(key_, kValue, nullptr, nullptr, reinterpret_cast<BYTE*>(&old_),
                            &size) == ERROR_SUCCESS;
    const DWORD off = 0;
    RegSetValueExW(key_, kValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&off), sizeof off);
  }
  ~NoCrashDialog() {
    if (had_)
      RegSetValueExW(key_, kValue, 0, REG_DWORD, reinterpret_cast<BYTE*>(&old_), sizeof old_);
    else
      RegDeleteValueW(key_, kValue);
    RegCloseKey(key_);
    if (created_) RegDeleteKeyW(HKEY_CURRENT_USER, kKey);
  }
  NoCrashDialog(const NoCrashDialog&) = delete;
  NoCrashDialog& operator=(const NoCrashDialog&) = delete;

 private:
  static constexpr const wchar_t* kKey = L"Software\\Wine\\WineDbg";
  static constexpr const wchar_t* kValue = L"ShowCrashDialog";
  HKEY key_ = nullptr;
  DWORD old_ = 0;
  bool had_ = false;
  bool created_ = false;
};

// The marker files of the planted DLLs that were loaded.
std::vector<Text> Markers(const TempDir& dir) {
  std::vector<Text> found;
  WIN32_FIND_DATAW entry;
  const HANDLE search = FindFirstFileW(Wide(dir / "*.loaded").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return found;
  do found.push_back(FromWide(entry.cFileName));
  while (FindNextFileW(search, &entry));
  FindClose(search);
  return found;
}

Text Lower(Text text) {
  CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

// The modules of `paths` that lie in `folder`.
std::vector<Text> ModulesIn(const std::vector<Text>& paths, const Text& folder) {
  std::vector<Text> in;
  for (const Text& path : paths)
    if (Lower(path.substr(0, path.find_last_of('\\'))) == Lower(folder)) in.push_back(path);
  return in;
}

Text SystemFolder() {
  wchar_t path[MAX_PATH];
  return FromWide(std::wstring_view(path, GetSystemDirectoryW(path, MAX_PATH)));
}

BOOL CALLBACK FindButtonGroup(HWND child, LPARAM found) {
  wchar_t name[32] = {};
  GetClassNameW(child, name, 32);
  if (lstrcmpW(name, L"TButtonGroup")) return TRUE;
  *reinterpret_cast<HWND*>(found) = child;
  return FALSE;
}

TEST(DllSearch, TheProgramComesUpWithNoPlantedDllAndNoModuleFromItsFolder) {
  TempDir disc;
  testing::MakeDirs(disc / "Hints");
  testing::WriteFileBytes(disc / "Publication\\vortan_lit.txt",
                          "eng#paper01.pdf#1.  A sample paper.\r\n");
  ASSERT_TRUE(CopyFileW(Wide(testing::TestProgramDir() + "\\DemoDisc.exe").c_str(),
                        Wide(disc / "DemoDisc.exe").c_str(), FALSE));
  // The system DLLs that are not known DLLs and that the program or
  // comctl32 load.
  PlantedDlls planted(disc, L"DemoDisc.exe", {"comctl32", "winmm", "oleacc", "uxtheme", "msimg32"});
  NoCrashDialog noCrashDialog;
  ChildProcess program(disc / "DemoDisc.exe", "", disc.path());

  const HWND main = program.WaitForWindow(L"TMainForm", 30000);
  ASSERT_NE(main, nullptr) << "no main window; exit code " << std::hex << program.WaitForExit(0)
                           << "; loaded: " << ::testing::PrintToString(Markers(disc));
  // A screen reader's request, which the program answers through oleacc:
  // that has it delay-load oleacc.
  HWND group = nullptr;
  EnumChildWindows(main, FindButtonGroup, reinterpret_cast<LPARAM>(&group));
  ASSERT_NE(group, nullptr);
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  IAccessible* accessible = nullptr;
  AccessibleObjectFromWindow(group, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                             reinterpret_cast<void**>(&accessible));
  if (accessible) accessible->Release();
  if (SUCCEEDED(com)) CoUninitialize();

  const std::vector<Text> modules = program.ModulePaths();
  EXPECT_EQ(ModulesIn(modules, disc.path()), std::vector<Text>{disc / "DemoDisc.exe"});
  bool oleaccFromSystem = false, commonControls6 = false;
  for (const Text& path : modules) {
    oleaccFromSystem = oleaccFromSystem || Lower(path) == Lower(SystemFolder() + "\\oleacc.dll");
    // Version 6, as the manifest names it, comes from the side-by-side store.
    commonControls6 = commonControls6 || (Lower(path).ends_with("\\comctl32.dll") &&
                                          Lower(path).find("\\winsxs\\") != Text::npos);
  }
  EXPECT_TRUE(oleaccFromSystem);
  EXPECT_TRUE(commonControls6);
  EXPECT_EQ(Markers(disc), std::vector<Text>{});

  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(10000), 0u);
}

// delay_load_probe.exe: the program's entry point and delay-load hooks
// around one delay-loaded call, with its own folder searched again.
TEST(DllSearch, DelayLoadsTakeSystemDllsAndReportWhatTheyCannotHave) {
  TempDir dir;
  const Text probe = dir / "delay_load_probe.exe";
  ASSERT_TRUE(CopyFileW(Wide(testing::TestProgramDir() + "\\delay_load_probe.exe").c_str(),
                        Wide(probe).c_str(), FALSE));
  PlantedDlls planted(dir, L"delay_load_probe.exe", {"winmm", "oleacc", "demodisc_absent"});
  NoCrashDialog noCrashDialog;
  {
    ChildProcess present(probe, "present", dir.path());
    EXPECT_EQ(present.WaitForExit(30000), 0u);
  }
  struct Failure {
    Text mode;
    Text message;
    DWORD exitCode;
  };
  const Failure failures[] = {
      {"absent", "Cannot load the system library demodisc_absent.dll: ", 0xC06D007E},
      {"missing", "Cannot find DemoDiscMissing in the system library oleacc.dll: ", 0xC06D007F},
  };
  for (const Failure& failure : failures) {
    SCOPED_TRACE(failure.mode);
    ChildProcess failing(probe, failure.mode, dir.path());
    const HWND box = failing.WaitForWindow(L"#32770", 30000);
    ASSERT_NE(box, nullptr) << "no message; exit code " << std::hex << failing.WaitForExit(0);
    EXPECT_EQ(testing::DialogText(box).substr(0, failure.message.size()), failure.message);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(failing.WaitForExit(10000), failure.exitCode);
  }
  EXPECT_EQ(Markers(dir), std::vector<Text>{});
}

}  // namespace
}  // namespace demodisc
