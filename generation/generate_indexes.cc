#include "generation/generate_indexes.h"

#include <cstdint>
#include <limits>
#include <string>

#include "generation/record_output.h"
#include "runtime/checked_int16.h"
#include "runtime/folder.h"
#include "runtime/list_folder_files.h"
#include "runtime/number_text.h"

namespace quillfold {
namespace {

std::string PageFileName(int page) { return "index" + IntToText(page) + ".html"; }

// Where the next record goes. The counters are 16-bit and raise an overflow
// instead of wrapping.
struct PageCounters {
  std::int16_t page = 1;
  std::int16_t link = 1;

  // Moves on after a record. A page is full when the link counter equals
  // the links-per-page number, compared as typed: a value the counter never
  // equals (0, negative, 2.5) keeps every record on the first page.
  void Advance(double links_per_page) {
    if (!PageIsFull(links_per_page)) {
      link = Increment(link, "link counter");
    } else {
      link = 1;
      page = Increment(page, "page number");
    }
  }

  // Whether Advance raises the overflow of the counter it moves.
  bool AdvanceOverflows(double links_per_page) const {
    return (PageIsFull(links_per_page) ? page : link) == std::numeric_limits<std::int16_t>::max();
  }

  bool PageIsFull(double links_per_page) const { return links_per_page == link; }
};

}  // namespace

void GenerateIndexes(const RunSettings& settings, RunLog& log, Disk& disk) {
  // The number is checked before anything changes, paging on or off.
  TextToInt16(settings.links_per_page_text);

  log.Clear();
  // Everything happens in the folder as it was opened here, and no other
  // run writes in it meanwhile.
  Folder folder(disk, settings.folder_path);
  folder.LockForRun();
  const FileNameList names = ListFolderFiles(folder);
  const bool filter_on = settings.filter_on;
  const std::string& filter_text = settings.filter_text;
  const bool paging_on = settings.paging_on;
  const double links_per_page = paging_on ? TextToDouble(settings.links_per_page_text) : 0;

  PageCounters counters;
  std::int16_t last_page = 0;  // The highest page that received a record.
  RecordOutput pages(folder, &log);
  std::string page_name = PageFileName(counters.page);
  for (std::size_t index = 0; index < names.size(); ++index) {
    const std::string_view name = names[index];
    if (filter_on && name.find(filter_text) == std::string_view::npos) continue;
    pages.Append(page_name, name, /*log_line=*/true);
    if (!paging_on) continue;
    last_page = counters.page;
    // The record that overflows a counter stays: it is written out first.
    if (counters.AdvanceOverflows(links_per_page)) pages.Close();
    counters.Advance(links_per_page);
    if (counters.page != last_page) page_name = PageFileName(counters.page);
  }
  pages.Close();

  RecordOutput master(folder, nullptr);
  for (int page = 1; page <= last_page; ++page) {
    const std::string page_file = PageFileName(page);
    master.Append("index.html", page_file, /*log_line=*/false);
  }
  master.Close();
}

}  // namespace quillfold
