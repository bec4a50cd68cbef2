// A disc folder in memory for the disc check's tests: files by their tree
// path ("Hints/about.txt"), the folders on their way implied, and empty
// folders of their own.
#pragma once

#include <map>
#include <set>
#include <tuple>

#include "disc_check/disc_tree.h"

namespace demodisc::testing {

class FakeDiscTree final : public DiscTree {
 public:
  std::map<Text, std::string> files;
  std::set<Text> emptyFolders;
  // Sizes that stand in for the bytes' own (a file of 4 GiB), links by
  // their path, folders that cannot be listed.
  std::map<Text, std::uint64_t> sizes;
  std::map<Text, std::pair<LinkKind, Text>> links;
  std::set<Text> unreadable;
  // Files whose reading in blocks fails at that byte, as a bad sector does.
  std::map<Text, std::uint64_t> failsAt;

  // Removes a file, or a folder with everything in it.
  void Remove(const Text& path) {
    files.erase(path);
    emptyFolders.erase(path);
    for (auto it = files.begin(); it != files.end();)
      it = it->first.rfind(path + "/", 0) == 0 ? files.erase(it) : std::next(it);
  }

  std::optional<std::vector<DiscEntry>> List(const Text& folder) const override {
    if ((!folder.empty() && !IsFolder(folder)) || unreadable.count(folder)) return std::nullopt;
    const Text prefix = folder.empty() ? "" : folder + "/";
    std::map<Text, bool> children;  // name -> is a folder
    const auto add = [&](const Text& path, bool isFile) {
      if (path.rfind(prefix, 0) != 0 || path.size() == prefix.size()) return;
      const Text rest = path.substr(prefix.size());
      const auto slash = rest.find('/');
      children[rest.substr(0, slash)] |= !isFile || slash != Text::npos;
    };
    for (const auto& [path, bytes] : files) add(path, true);
    for (const Text& path : emptyFolders) add(path, false);
    std::vector<DiscEntry> entries;
    for (const auto& [name, isFolder] : children) {
      DiscEntry entry{name, isFolder};
      if (const auto link = links.find(prefix + name); link != links.end())
        std::tie(entry.link, entry.target) = link->second;
      entries.push_back(entry);
    }
    return entries;
  }
  std::optional<std::uint64_t> Size(const Text& file) const override {
    const auto it = files.find(file);
    if (it == files.end()) return std::nullopt;
    const auto size = sizes.find(file);
    return size == sizes.end() ? it->second.size() : size->second;
  }
  std::optional<std::string> Bytes(const Text& file) const override {
    const auto it = files.find(file);
    if (it == files.end()) return std::nullopt;
    return it->second;
  }
  // A block of at most 4 bytes at a time, so that a file comes in several.
  BlockRead ReadInBlocks(const Text& file, const BlockSink& sink) const override {
    const auto it = files.find(file);
    if (it == files.end() || unreadable.count(file)) return {};
    const auto fails = failsAt.find(file);
    const std::size_t end = fails == failsAt.end() ? it->second.size() : fails->second;
    for (std::size_t at = 0; at < end; at += 4)
      sink(std::string_view(it->second).substr(at, std::min<std::size_t>(4, end - at)));
    return {true, end, fails != failsAt.end()};
  }

 private:
  bool IsFolder(const Text& path) const {
    if (emptyFolders.count(path)) return true;
    for (const auto& [file, bytes] : files)
      if (file.rfind(path + "/", 0) == 0) return true;
    return false;
  }
};

}  // namespace demodisc::testing
