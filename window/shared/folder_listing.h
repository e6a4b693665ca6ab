#ifndef QUILLFOLD_WINDOW_SHARED_FOLDER_LISTING_H_
#define QUILLFOLD_WINDOW_SHARED_FOLDER_LISTING_H_

#include <functional>

#include "window/shared/background_work.h"
#include "window/shared/folder_lines.h"

namespace quillfold {

// The listing of a folder for the folder list as BackgroundWork: a folder
// on a slow disk or a network share can take seconds to list (Windows calls
// a window that answers nothing for 5 seconds "Not Responding").
class FolderListing {
 public:
  // Starts `list` at once; `ended` is as BackgroundWork's.
  FolderListing(std::function<ListedFolder()> list, std::function<void()> ended);

  // Waits for the listing to end and gives what it listed; raises the
  // folder's error, or any other exception, on the window's thread.
  ListedFolder Finish();

 private:
  ListedFolder listed_;
  BackgroundWork work_;  // Last: started once everything it uses is made.
};

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_SHARED_FOLDER_LISTING_H_
