// The catalogue's descriptions: which file of the Hints folder belongs to
// which button, and the reading of one file into the text of a memo.
#pragma once

#include <memory>
#include <optional>
#include <span>

#include "base/text.h"
#include "base/text_reader.h"
#include "launcher/catalogue.h"

namespace demodisc {

// The page whose memo shows a description: the built-in catalogue's page at
// that tab, as Category names it too (tab 1 holds the publications).
enum HintPage {
  hpPresent = static_cast<int>(Category::Present),
  hpDemo = static_cast<int>(Category::Demo),
  hpVideo = static_cast<int>(Category::Video),
  hpUser = static_cast<int>(Category::User),
};

// The page whose memo shows the descriptions of a category's items.
HintPage HintPageOf(Category category);

// The description files of a page, by button index; empty for a value that
// is no page.
std::span<const std::string_view> HintFiles(int page);

// HintsDir + the file of that button; nothing for a value that is no page or
// an index outside the page's table.
std::optional<Text> HintFilePath(const Text& hintsDir, int page, int index);

// Reads every line of the source through the reader and appends them to
// `text`, joined by CR LF. The reader is closed again however it ends; when
// reading fails midway, `text` holds the lines read so far and the error
// goes on.
void ReadHintText(TextReader& reader, std::unique_ptr<ByteSource> source, Text& text);

}  // namespace demodisc
