#include "window/shared/start_folder.h"

namespace quillfold {

std::string StartFolder(const StartPlaces& places) {
  if (!places.current.empty() && places.current_listed) return places.current;
  if (!places.home.empty()) return places.home;
  if (!places.current.empty()) return places.current;
  return places.root;
}

}  // namespace quillfold
