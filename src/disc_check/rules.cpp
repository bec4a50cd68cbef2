#include "disc_check/rules.h"

#include <array>

#include "base/text.h"

namespace demodisc {

namespace {

using enum Rule;
constexpr Severity E = Severity::Error, W = Severity::Warning, N = Severity::Ok;

constexpr std::array kRules = std::to_array<RuleRow>({
    {Missing, "DD101", "missing", E, "a file or folder the program opens is not on the disc",
     "put it there under the name the program asks for"},
    {MissingNote, "DD102", "missing", N,
     "a file or folder that only a window no control opens would need is not on the disc",
     "nothing, unless that window is meant to work"},
    {IsFolder, "DD103", "is_folder", E, "the program opens a file, and the disc has a folder there",
     "put the file in the folder's place"},
    {IsFolderNote, "DD104", "is_folder", N,
     "a window no control opens would open a file, and the disc has a folder there",
     "nothing, unless that window is meant to work"},
    {NotAFolder, "DD105", "not_a_folder", E, "one of the disc's folders is a file",
     "put the folder in the file's place"},
    {NotAFolderNote, "DD106", "not_a_folder", N,
     "the photo window's folder, which no control opens, is a file",
     "nothing, or make it a folder"},
    {OutsideDisc, "DD107", "outside_disc", E, "a path leads above the disc's root",
     "name a file on the disc"},
    {OutsideDiscNote, "DD108", "outside_disc", N,
     "a path that only a window no control opens would need leads above the disc's root",
     "name a file on the disc"},
    {Unreadable, "DD109", "unreadable", E, "a file or folder the program opens cannot be read",
     "copy it again from a sound source"},
    {UnreadableWarning, "DD110", "unreadable", W, "a file or folder cannot be read",
     "copy it again, or leave it off the disc"},
    {UnreadableNote, "DD111", "unreadable", N,
     "the photo window's folder, which no control opens, cannot be read",
     "copy it again, or leave it off the disc"},
    {LetterCase, "DD112", "letter_case", W,
     "a name differs in letter case from the one the program asks for",
     "rename it as the program spells it"},

    {StandIn, "DD201", "stand_in", E, "a program is the sample disc's stand-in",
     "put the real program in its place"},
    {EmptyProgram, "DD202", "empty_program", E, "a program the program starts is empty",
     "copy the program again"},
    {NotAProgram, "DD203", "not_a_program", E, "a program the program starts is no Windows program",
     "put the real program in its place"},
    {EmptyBatchFile, "DD204", "empty_batch_file", W, "a batch file an item starts is empty",
     "write the commands the item is to run"},
    {EmptyDocument, "DD205", "empty_document", W, "a publication's document is empty",
     "copy the document again"},
    {NotAPdf, "DD206", "not_a_pdf", W, "a publication's document is no PDF",
     "put the PDF in its place"},
    {BadPicture, "DD207", "bad_picture", E,
     "an item's picture is no square PNG of 32 pixels or more that decodes",
     "save it as a square PNG, 32 pixels a side or more"},

    {LargeDescription, "DD301", "large_description", W,
     "a description is larger than a description is expected to be",
     "check that it is the item's description"},
    {EmptyText, "DD302", "empty_text", W, "a description is empty",
     "write the item's description, or accept it"},
    {MemoOverflow, "DD303", "memo_overflow", W,
     "a description is longer than its memo shows without scrolling", "shorten it, or accept it"},
    {ZeroBytes, "DD304", "zero_bytes", W, "a text holds zero bytes, as UTF-16 does",
     "save it as cp1251 (--fix-texts converts it)"},
    {Utf8, "DD305", "utf8", W, "a text is UTF-8 where the program reads cp1251",
     "save it as cp1251 (--fix-texts converts it)"},
    {UnusedByte, "DD306", "unused_byte", W,
     "a text holds the byte 0x98, which cp1251 leaves unused", "save it as cp1251"},
    {BareCr, "DD307", "bare_cr", W, "a text ends lines with a carriage return alone",
     "save it with CR LF line ends (--fix-texts converts it)"},
    {EarlyEnd, "DD308", "early_end", W,
     "a text has a byte 0x1A before its end, where reading stops", "take the byte out"},

    {ListRows, "DD401", "list_rows", N, "the number of rows the publication list gives", "nothing"},
    {ListEmpty, "DD402", "list_empty", W, "the publication list is empty",
     "list the publications, one a line"},
    {ListLong, "DD403", "list_long", W, "the publication list has more lines than the grid shows",
     "shorten the list"},
    {EmptyLine, "DD404", "empty_line", W, "a line of the publication list is empty",
     "take the line out"},
    {LineSplit, "DD405", "line_split", W,
     "a line of the publication list does not split into language#document#entry",
     "write the line with its two \"#\""},
    {EntryNumber, "DD406", "entry_number", W, "an entry's number is not four characters wide",
     "pad the number to four characters (\"1.  \")"},
    {EntryLastChar, "DD407", "entry_last_char", W,
     "an entry ends without a full stop, and the grid drops its last character",
     "end the entry with a full stop"},

    {ForbiddenChars, "DD501", "forbidden_chars", E,
     "a name the program opens holds characters Windows does not allow", "rename it"},
    {ForbiddenCharsWarning, "DD502", "forbidden_chars", W,
     "a name holds characters Windows does not allow", "rename it"},
    {DeviceName, "DD503", "device_name", E,
     "a name the program opens is a device's (CON, LPT1, ...)", "rename it"},
    {DeviceNameWarning, "DD504", "device_name", W, "a name is a device's (CON, LPT1, ...)",
     "rename it"},
    {TrailingChar, "DD505", "trailing_char", E,
     "a name the program opens ends in a dot or a blank, which Windows drops", "rename it"},
    {TrailingCharWarning, "DD506", "trailing_char", W,
     "a name ends in a dot or a blank, which Windows drops", "rename it"},
    {JolietName, "DD507", "joliet_name", E, "a name the program opens is too long for Joliet",
     "shorten it to 64 characters"},
    {JolietNameWarning, "DD508", "joliet_name", W, "a name is too long for Joliet",
     "shorten it to 64 characters"},
    {JolietPath, "DD509", "joliet_path", E, "a path the program opens is too long for Joliet",
     "shorten it to 120 characters"},
    {JolietPathWarning, "DD510", "joliet_path", W, "a path is too long for Joliet",
     "shorten it to 120 characters"},
    {LinkOutside, "DD511", "link_outside", E, "a link leads out of the disc folder",
     "put the file itself in the folder"},
    {LinkLoop, "DD512", "link_loop", E, "a link is a folder around itself", "remove the link"},
    {LinkBroken, "DD513", "link_broken", E, "a link the program opens leads nowhere",
     "put the file itself in its place"},
    {LinkBrokenWarning, "DD514", "link_broken", W, "a link leads nowhere", "remove the link"},
    {CaseTwins, "DD515", "case_twins", E,
     "names the program opens differ from others only in letter case", "rename one of them"},
    {CaseTwinsWarning, "DD516", "case_twins", W, "names of one folder differ only in letter case",
     "rename one of them"},
    {FolderAbove, "DD517", "folder_above", E,
     "a file the program opens lies in a folder that the image loses or breaks",
     "mend the folder's fault"},
    {LargeFile, "DD518", "large_file", E, "a file is 4 GiB or larger", "split it, or leave it off"},
    {DecomposedName, "DD519", "decomposed_name", W, "a name is in decomposed Unicode form",
     "rename it on Windows, which writes the composed form"},
    {SystemFile, "DD520", "system_file", W,
     "a file the system wrote by itself (Thumbs.db, desktop.ini, ...)", "delete it"},

    {Unused, "DD601", "unused", W, "a file that nothing on the disc uses",
     "delete it, or accept it"},
    {UnusedFiles, "DD602", "unused_files", W, "many files of one folder that nothing uses",
     "delete them, or accept them"},
    {UnreadLine, "DD603", "unread_line", W,
     "a document named only by a line past those the program reads",
     "move the line up, or delete the document"},
    {Signed, "DD604", "signed", N, "the start program is signed", "nothing"},
    {NotSigned, "DD605", "not_signed", N,
     "the start program is not signed, and Windows may warn before it starts from a download",
     "sign it (tools/sign-exe.sh), or leave it"},
    {Photos, "DD606", "photos", N, "the number of photos the photo window steps through",
     "nothing"},
    {NoPhotos, "DD607", "no_photos", N, "the photo window, which no control opens, has no photo",
     "nothing"},
    {ImageSize, "DD608", "image_size", N, "the image's size: it fits a CD", "nothing"},
    {ImageSizeWarning, "DD609", "image_size", W, "the image is larger than a CD and fits a DVD",
     "burn a DVD, or take files off"},
    {ImageSizeError, "DD610", "image_size", E, "the image is larger than a DVD", "take files off"},
    {OldReaderInstaller, "DD611", "old_reader_installer", W,
     "the reader installer is Acrobat Reader 8, of 2008, long out of support",
     "ship a current reader's installer, named by reader-installer= in DemoDisc.ini"},
    {NoAutorun, "DD612", "no_autorun", W, "the disc's root has no autorun.inf",
     "copy the sample's autorun.inf to the root"},
    {AutorunStartsOther, "DD613", "autorun_open", W,
     "autorun.inf does not start DemoDisc.exe with open= or shellexecute=",
     "write open=DemoDisc.exe in its [autorun] section"},
    {AutorunLongLabel, "DD614", "autorun_label", W,
     "autorun.inf gives a label longer than the 32 characters Windows shows", "shorten the label"},
    {AutorunNotAscii, "DD615", "autorun_not_ascii", W, "autorun.inf holds letters beyond ASCII",
     "write it in plain ASCII"},

    {AcceptedUnused, "DD701", "accepted_unused", N, "an accepted line accepts no warning",
     "delete the line"},
    {AcceptedOldForm, "DD702", "accepted_old_form", N,
     "an accepted line gives the start of a warning's text, which may change",
     "write it as the note says: the rule and the path"},

    {DescriptionFault, "DD801", "description_fault", E,
     "DemoDisc.ini holds a line the program cannot use",
     "mend the line the report names (docs/making-a-disc.md lists every key)"},
    {TooWide, "DD802", "too_wide", W,
     "a caption or contact line is wider than its place in the window at 96 dpi",
     "shorten it, or accept it"},

    {ReadFailed, "DD901", "read_failed", E, "a file of the disc cannot be read to its end",
     "burn the disc again, on a new blank"},
    {ChecksumDiffers, "DD902", "checksum_differs", E,
     "a file's bytes differ from those DISC.SHA256 gives", "burn the disc again, on a new blank"},
    {NotOnDisc, "DD903", "not_on_disc", E, "a file DISC.SHA256 lists is not on the disc",
     "burn the image that make-disc-image.sh made, as it is"},
    {NotInManifest, "DD904", "not_in_manifest", E, "a file of the disc is not in DISC.SHA256",
     "burn the image that make-disc-image.sh made, as it is"},
    {ManifestFault, "DD905", "manifest_fault", E,
     "a line of DISC.SHA256 is no sha256sum line, or names a file a second time",
     "make the image again with make-disc-image.sh"},
    {NoManifest, "DD906", "no_manifest", N,
     "the disc has no DISC.SHA256: make-disc-image.sh did not make it, and its bytes are not "
     "verified",
     "make its image with make-disc-image.sh, which writes DISC.SHA256"},
    {Verified, "DD907", "verified", N, "every file was read back whole and matches DISC.SHA256",
     "nothing"},
});

constexpr bool InEnumOrder() {
  for (std::size_t i = 0; i < kRules.size(); ++i)
    if (static_cast<std::size_t>(kRules[i].rule) != i) return false;
  return kRules.back().rule == Verified;
}
static_assert(InEnumOrder(), "a row for every rule, in the enumeration's order");

}  // namespace

std::span<const RuleRow> AllRules() { return kRules; }

const RuleRow& RuleOf(Rule rule) { return kRules[static_cast<std::size_t>(rule)]; }

const RuleRow* FindRule(std::string_view codeOrKind) {
  const Text lower = LowerCaseFrom(codeOrKind, 0);
  for (const RuleRow& row : kRules)
    if (LowerCaseFrom(row.code, 0) == lower || row.kind == codeOrKind) return &row;
  return nullptr;
}

const char* SeverityName(Severity severity) {
  switch (severity) {
    case Severity::Ok:
      return "ok";
    case Severity::Warning:
      return "warning";
    case Severity::Error:
      return "error";
  }
  return "ok";
}

}  // namespace demodisc
