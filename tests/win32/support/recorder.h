// The recorder program (record_args.exe) placed where a test needs a program,
// and the runs it recorded: command line and working directory of each.
#pragma once

#include <vector>

#include "base/text.h"

namespace demodisc::testing {

struct RecordedRun {
  Text commandLine;
  Text workingDir;  // without a trailing backslash unless a drive root
};

// Points the recorder at a file for the life of this object.
class RecorderFile {
 public:
  explicit RecorderFile(const Text& path);
  ~RecorderFile();
  RecorderFile(const RecorderFile&) = delete;
  RecorderFile& operator=(const RecorderFile&) = delete;

  const Text& path() const { return path_; }
  std::vector<RecordedRun> Runs() const;

 private:
  Text path_;
};

// A command line split into arguments as the started program splits it
// (CommandLineToArgvW), the program's own name first.
std::vector<Text> ArgumentsOf(const Text& commandLine);

// Copies the recorder to `target` (its folders are created); returns `target`.
Text PlaceRecorder(const Text& target);

}  // namespace demodisc::testing
