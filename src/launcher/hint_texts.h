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

// The page whose memo shows a description.
enum HintPage { hpDemo = 0, hpPresent = 1, hpUser = 2, hpVideo = 3 };

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
