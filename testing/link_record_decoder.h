#ifndef QUILLFOLD_TESTING_LINK_RECORD_DECODER_H_
#define QUILLFOLD_TESTING_LINK_RECORD_DECODER_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillfold::testing {

// Reads link records back, written independently of the writer so that the
// tests and the fuzz targets check its output against the published rules
// rather than against itself; only UTF-8 is read by the engine's one
// decoder (runtime/wtf8.h), which has tests of its own. Every function
// accepts only the one canonical form: a byte that could stand as it is must
// stand as it is.

// Whether a byte may stand unescaped in a link target.
bool IsKeptInTarget(unsigned char byte);

// The name behind a link target: every byte kept or %XX with uppercase hex.
// Nothing for anything else (a raw blank, lowercase hex, an escaped kept byte).
std::optional<std::string> DecodeTarget(std::string_view target);

// The text a link shows, as UTF-8: & < > " only as &amp; &lt; &gt;
// &quot;, characters outside ASCII only as &#N; in decimal (not &#128; to
// &#159;, which HTML reads as windows-1252), every other ASCII byte as it
// is, but for no control; no byte outside ASCII.
std::optional<std::string> DecodeText(std::string_view text);

// A name as its link text shows it: each control, direction control and
// character drawn as nothing as its code (<U+202E>), each byte that is not
// part of well-formed UTF-8 as U+FFFD, and each blank a browser would
// collapse (at either end, or after another blank) as U+00A0.
std::string ShownText(std::string_view name);

// One record taken apart.
struct DecodedRecord {
  std::string target;  // As written, still escaped.
  std::string text;    // As written, still escaped.
};

// Takes one whole record (four lines, each ended by CR LF) off the front of
// `page`. Nothing, and `page` unchanged, when the front holds no whole record.
std::optional<DecodedRecord> TakeRecord(std::string_view& page);

// The records at the front of a page file, decoded back to names.
struct DecodedPage {
  std::vector<std::string> names;
  std::size_t record_bytes = 0;  // Bytes the whole records take up.
  bool all_decoded = true;       // False when a record's target or text was malformed.
};
DecodedPage DecodePage(std::string_view page);

}  // namespace quillfold::testing

#endif  // QUILLFOLD_TESTING_LINK_RECORD_DECODER_H_
