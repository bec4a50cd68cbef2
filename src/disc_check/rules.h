// The disc check's rules, one table: each row a stable code, the kind word
// that tools read, the severity, a one-line summary and what the disc's maker
// should do. A fault that is an error where the program opens the file and
// a warning elsewhere has a row for each; a note is a row of its own too.
// Findings name their rule; their kind and severity come from here.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace demodisc {

// Ok findings are notes (the size of the image, the number of rows).
enum class Severity { Ok, Warning, Error };

enum class Rule : std::uint8_t {
  // Files and folders the program looks for.
  Missing,
  MissingNote,
  IsFolder,
  IsFolderNote,
  NotAFolder,
  NotAFolderNote,
  OutsideDisc,
  OutsideDiscNote,
  Unreadable,
  UnreadableWarning,
  UnreadableNote,
  LetterCase,
  // What a file holds.
  StandIn,
  EmptyProgram,
  NotAProgram,
  EmptyBatchFile,
  EmptyDocument,
  NotAPdf,
  BadPicture,
  // Descriptions and the publication list as texts.
  LargeDescription,
  EmptyText,
  MemoOverflow,
  ZeroBytes,
  Utf8,
  UnusedByte,
  BareCr,
  EarlyEnd,
  // The publication list's rows.
  ListRows,
  ListEmpty,
  ListLong,
  EmptyLine,
  LineSplit,
  EntryNumber,
  EntryLastChar,
  // Names and entries as the image and Windows see them.
  ForbiddenChars,
  ForbiddenCharsWarning,
  DeviceName,
  DeviceNameWarning,
  TrailingChar,
  TrailingCharWarning,
  JolietName,
  JolietNameWarning,
  JolietPath,
  JolietPathWarning,
  LinkOutside,
  LinkLoop,
  LinkBroken,
  LinkBrokenWarning,
  CaseTwins,
  CaseTwinsWarning,
  FolderAbove,
  LargeFile,
  DecomposedName,
  SystemFile,
  // The disc as a whole.
  Unused,
  UnusedFiles,
  UnreadLine,
  Signed,
  NotSigned,
  Photos,
  NoPhotos,
  ImageSize,
  ImageSizeWarning,
  ImageSizeError,
  OldReaderInstaller,
  NoAutorun,
  AutorunStartsOther,
  AutorunLongLabel,
  AutorunNotAscii,
  // The maker's accepted findings.
  AcceptedUnused,
  AcceptedOldForm,
  // The disc's own description file.
  DescriptionFault,
  TooWide,
  // The burnt disc read back against its DISC.SHA256 (--verify).
  ReadFailed,
  ChecksumDiffers,
  NotOnDisc,
  NotInManifest,
  ManifestFault,
  NoManifest,
  Verified,
};

struct RuleRow {
  Rule rule;
  std::string_view code;  // "DD101": stable, for an accepted findings file and for look-up
  std::string_view kind;  // "missing": stable, the word tools have read since the first version
  Severity severity;
  std::string_view summary;
  std::string_view todo;  // what the disc's maker does about it
};

// Every rule, in the order of the enumeration.
std::span<const RuleRow> AllRules();
const RuleRow& RuleOf(Rule rule);

// The rule of a code ("DD101", letter case ignored), or the first of a kind
// ("missing"); nothing for another word.
const RuleRow* FindRule(std::string_view codeOrKind);

// Of a fault that is an error where the program opens the entry.
inline Rule ErrorIfOpened(bool opened, Rule error, Rule warning) {
  return opened ? error : warning;
}

const char* SeverityName(Severity severity);

}  // namespace demodisc
