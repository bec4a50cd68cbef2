// A file type's association as Explorer writes it, for the tests: the
// extension's ProgID and that ProgID's "open" command, under the user's
// classes and the machine's (which Wine's HKEY_CLASSES_ROOT shows), and the
// user's choice (FileExts\<ext>\UserChoice). Every key made is removed at
// the end, and every value written on a key that was there is put back.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "base/text.h"

namespace demodisc::testing {

class FileAssociation {
 public:
  // `command` nothing: the ProgID has no open command.
  FileAssociation(const Text& extension, const Text& progId, const std::optional<Text>& command);
  ~FileAssociation();
  FileAssociation(const FileAssociation&) = delete;
  FileAssociation& operator=(const FileAssociation&) = delete;

  // Records `progId` as the user's choice for the extension.
  void ChooseForUser(const Text& progId);

 private:
  void Set(HKEY root, const std::wstring& key, const wchar_t* name, const Text& value);
  struct Written {
    HKEY root;
    std::wstring key;
    std::wstring name;
    std::optional<std::wstring> before;  // the value it had, if any
  };
  std::wstring extension_;
  std::vector<std::pair<HKEY, std::wstring>> made_;  // outermost first
  std::vector<Written> written_;
};

}  // namespace demodisc::testing
