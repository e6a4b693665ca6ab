#include "window/shared/background_run.h"

#include <utility>

#include "generation/generate_indexes.h"

namespace quillfold {

BackgroundRun::BackgroundRun(RunSettings settings, Disk& disk, std::function<void()> ended)
    : inputs_(std::move(settings)),
      work_([this, &disk] { GenerateIndexes(inputs_, disk); }, std::move(ended)) {}

}  // namespace quillfold
