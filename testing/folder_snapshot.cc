#include "testing/folder_snapshot.h"

#include <algorithm>

namespace quillfold::testing {
namespace {

std::string Shown(const std::string& bytes, std::size_t from) {
  std::string shown;
  for (std::size_t i = from; i < bytes.size() && i < from + 40; ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (byte >= 0x20 && byte < 0x7F) {
      shown += bytes[i];
    } else {
      static constexpr char kHex[] = "0123456789ABCDEF";
      shown += "\\x";
      shown += kHex[byte >> 4];
      shown += kHex[byte & 0xF];
    }
  }
  return "\"" + shown + "\"";
}

}  // namespace

std::string FirstDifference(const FolderBytes& expected, const FolderBytes& actual) {
  for (const auto& [name, bytes] : expected) {
    const auto found = actual.find(name);
    if (found == actual.end()) return "missing file " + Shown(name, 0);
    if (found->second == bytes) continue;
    const auto [at, ignored] =
        std::mismatch(bytes.begin(), bytes.end(), found->second.begin(), found->second.end());
    const auto offset = static_cast<std::size_t>(at - bytes.begin());
    return "file " + Shown(name, 0) + " differs at byte " + std::to_string(offset) + " of " +
           std::to_string(bytes.size()) + " expected, " + std::to_string(found->second.size()) +
           " found: expected " + Shown(bytes, offset) + ", found " + Shown(found->second, offset);
  }
  for (const auto& [name, bytes] : actual) {
    if (!expected.contains(name)) return "unexpected file " + Shown(name, 0);
  }
  return "";
}

FolderBytes Grown(FolderBytes before, const FolderBytes& added) {
  for (const auto& [name, bytes] : added) before[name] += bytes;
  return before;
}

}  // namespace quillfold::testing
