#include "window/shared/background_run.h"

#include <utility>

#include "generation/generate_indexes.h"

namespace quillfold {

BackgroundRun::BackgroundRun(RunSettings settings, Disk& disk, std::function<void()> ended)
    : settings_(std::move(settings)),
      work_([this, &disk] { GenerateIndexes(settings_, log_, disk); }, std::move(ended)) {}

}  // namespace quillfold
