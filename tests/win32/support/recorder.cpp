#include "support/recorder.h"

#include <windows.h>
#include <shellapi.h>

#include "base/wide_win.h"
#include "support/test_support.h"

namespace demodisc::testing {

RecorderFile::RecorderFile(const Text& path) : path_(path) {
  SetEnvironmentVariableW(L"DEMODISC_RECORD", Wide(path_).c_str());
}

RecorderFile::~RecorderFile() { SetEnvironmentVariableW(L"DEMODISC_RECORD", nullptr); }

std::vector<RecordedRun> RecorderFile::Runs() const {
  const std::vector<Text> lines = RecordedLines(path_, true);
  std::vector<RecordedRun> runs;
  for (std::size_t i = 0; i + 1 < lines.size(); i += 2) runs.push_back({lines[i], lines[i + 1]});
  return runs;
}

std::vector<Text> ArgumentsOf(const Text& commandLine) {
  int count = 0;
  wchar_t** args = CommandLineToArgvW(Wide(commandLine).c_str(), &count);
  std::vector<Text> result;
  for (int i = 0; args && i < count; ++i) result.push_back(FromWide(args[i]));
  LocalFree(args);
  return result;
}

Text PlaceRecorder(const Text& target) {
  MakeDirs(target.substr(0, target.find_last_of('\\')));
  CopyFileW(Wide(TestProgramDir() + "\\record_args.exe").c_str(), Wide(target).c_str(), FALSE);
  return target;
}

}  // namespace demodisc::testing
