// Any bytes as a file name into the link-record writer, appended after old
// bytes as a run appends to a page. The record must be four lines each
// ended by CR LF; its target must hold only kept bytes and %XX, its text
// only the references the rules allow, so that no < > or " of the name
// stands raw; the target must decode to the name again and the text to the
// name as shown (ill-formed UTF-8 replaced). The decoder is the tests' own,
// written apart from the writer.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "generation/link_record.h"
#include "testing/link_record_decoder.h"

namespace {

bool IsPlain(std::string_view name) {
  for (const char c : name) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '.' || c == '-' || c == '_';
    if (!plain) return false;
  }
  return true;
}

std::size_t Count(std::string_view text, char c) {
  std::size_t count = 0;
  for (const char byte : text) count += byte == c;
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view name(reinterpret_cast<const char*>(data), size);
  // Old content that does not end a line: the record must still come after
  // it untouched.
  constexpr std::string_view kOld = "old \xEF\xBB\xBF<p";
  std::string page(kOld);
  quillfold::AppendLinkRecord(page, name, name);
  if (!page.starts_with(kOld)) std::abort();

  std::string_view record = std::string_view(page).substr(kOld.size());
  // Four lines: exactly four CR and four LF, each CR followed by its LF.
  if (Count(record, '\r') != 4 || Count(record, '\n') != 4) std::abort();
  const auto taken = quillfold::testing::TakeRecord(record);
  if (!taken || !record.empty()) std::abort();
  for (const char c : taken->target) {
    if (c == '<' || c == '>' || c == '"') std::abort();
  }
  const auto from_target = quillfold::testing::DecodeTarget(taken->target);
  const auto from_text = quillfold::testing::DecodeText(taken->text);
  if (!from_target || *from_target != name) std::abort();
  if (!from_text || *from_text != quillfold::testing::ShownText(name)) std::abort();
  if (IsPlain(name) && (taken->target != name || taken->text != name)) std::abort();
  return 0;
}
