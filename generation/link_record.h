#ifndef QUILLFOLD_GENERATION_LINK_RECORD_H_
#define QUILLFOLD_GENERATION_LINK_RECORD_H_

#include <string>
#include <string_view>

namespace quillfold {

// The fixed HTML fragments every record is built from (the texts the
// design kept in the hidden window Form2, as Text1 to Text5).
inline constexpr std::string_view kLinkStart = "<p><a href=\"";  // Form2.Text1
inline constexpr std::string_view kTargetEnd = "\">";            // Form2.Text2
inline constexpr std::string_view kSpacer = "<p></p>";           // Form2.Text3
inline constexpr std::string_view kBodyLine = "<body>";          // Form2.Text4
inline constexpr std::string_view kLinkEnd = "</a></p>";         // Form2.Text5

// Appends one link record to `out`, four lines each ended by CR LF:
//
//   <body>
//   <p><a href="TARGET">TEXT</a></p>
//   <p></p>
//   <body>
//
// A file name may hold any byte but "/" and NUL, so both are escaped to keep
// every record four lines and every link pointing at its own file: in the
// target each byte outside the URL-safe set is percent-encoded; in the text
// & < > " and control bytes become character references, and so does every
// character outside ASCII (each byte of ill-formed UTF-8 as U+FFFD), so the
// text is ASCII whatever character set the page is read in. Names of
// letters, digits, dots, dashes and underscores are written as they are.
void AppendLinkRecord(std::string& out, std::string_view target, std::string_view text);

}  // namespace quillfold

#endif  // QUILLFOLD_GENERATION_LINK_RECORD_H_
