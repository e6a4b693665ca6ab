#ifndef QUILLFOLD_PLATFORM_WINDOWS_SESSION_END_H_
#define QUILLFOLD_PLATFORM_WINDOWS_SESSION_END_H_

namespace quillfold {

// The user's session is ending (logoff, shutdown, a restart) and Windows
// will end the program once the window has answered WM_ENDSESSION: ends it
// now if no write to a page is under way, or else has the write under way,
// and its cut back, finish first and ends it then (ending_signals.h). Never
// returns, so that Windows waits meanwhile.
[[noreturn]] void EndWithTheSession();

}  // namespace quillfold

#endif  // QUILLFOLD_PLATFORM_WINDOWS_SESSION_END_H_
