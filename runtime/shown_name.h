#ifndef QUILLFOLD_RUNTIME_SHOWN_NAME_H_
#define QUILLFOLD_RUNTIME_SHOWN_NAME_H_

#include <string>
#include <string_view>

namespace quillfold {

// How a name is shown to a person: as the link text of a page, as a line of
// a window's log or folder list, and on a terminal. A name may hold
// characters that would make it read as another name: controls that break
// a line, clear a screen or are drawn as nothing; bidirectional controls
// that show the characters after them in reverse order (`invoice` U+202E
// `fdp.exe` reads as `invoiceexe.pdf`); characters of no width (`index1`
// U+200B `.html` reads as `index1.html`). Each of these shows as its code
// in ASCII, as in `<U+202E>`, which every font has and no text direction
// reorders. A byte that is no UTF-8 (and a lone surrogate of a UTF-16 name)
// shows as U+FFFD. Everything else stays, so the result is UTF-8 that reads
// like the name wherever the name reads true.
//
// The characters shown by their code:
//   U+0000-U+001F, U+007F-U+009F  controls (tab, CR and LF among them)
//   U+00AD, U+180E                soft hyphen, Mongolian vowel separator
//   U+061C, U+200E, U+200F        direction marks
//   U+200B-U+200D, U+2060-U+2064  zero-width spaces, joiners, invisible operators
//   U+2028, U+2029                line and paragraph separators
//   U+202A-U+202E, U+2066-U+2069  direction embeddings, overrides, isolates
//   U+206A-U+206F                 deprecated format characters, drawn as nothing
//   U+FEFF                        zero-width no-break space (byte order mark)
//   U+FFF9-U+FFFB                 interlinear annotation marks
//   U+E0000-U+E007F               tag characters, drawn as nothing
// NFC and NFD forms of one text show alike: that is how the name reads.
void AppendShownName(std::string_view name, std::string& out);

// A message that names files, such as an error's detail: each line as
// AppendShownName shows a name, the line feeds between them kept.
void AppendShownMessage(std::string_view message, std::string& out);

// Whether the character `code_point` shows by its code.
bool ShowsAsCode(char32_t code_point);

}  // namespace quillfold

#endif  // QUILLFOLD_RUNTIME_SHOWN_NAME_H_
