#ifndef QUILLFOLD_GENERATION_GENERATE_INDEXES_H_
#define QUILLFOLD_GENERATION_GENERATE_INDEXES_H_

#include "generation/run_inputs.h"
#include "runtime/disk.h"

namespace quillfold {

// The generation run: appends a link record for every file directly in the
// folder (optionally only names containing the filter text) to the page files
// index1.html, index2.html, ... in that folder, logging each linked name;
// with paging on, spreads them over pages of the given size and then appends
// one record per written page to the master index index.html.
//
// Failures are raised as quillfold::Error and end the run at that step:
// records and log lines before it stay, every file is closed.
void GenerateIndexes(RunInputs& inputs, Disk& disk = SystemDisk());

}  // namespace quillfold

#endif  // QUILLFOLD_GENERATION_GENERATE_INDEXES_H_
