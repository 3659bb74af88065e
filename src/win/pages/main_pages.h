// The main window's five pages in tab order: the one place that knows which pages there are.
#pragma once

#include <array>
#include <memory>

#include "win/pages/page_window.h"

namespace kx90::pages {

inline constexpr int kPageCount = 5;

using PageList = std::array<std::unique_ptr<PageWindow>, kPageCount>;

// Buttons and performance, lighting, macros, statistics, support; not yet created as windows.
PageList MakeMainPages();

}  // namespace kx90::pages
