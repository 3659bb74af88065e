// The data and installation folders of this run, as Windows gives them.
#pragma once

#include "core/platform/data_folders.h"

namespace kx90 {

// dataDir = GetTempPathW (which ends with a backslash) + "NORVI\KX90"; installDir = the folder of
// the executable, without a trailing backslash. Computed once at start-up and handed to the core.
DataFolders ComputeDataFolders();

}  // namespace kx90
