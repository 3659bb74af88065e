// Storage of the process-wide interface-language flags.
#include "core/i18n/ui_language.h"

namespace kx90 {

std::atomic<int> UiLanguageFlag{0};
std::atomic<int> InstallLanguageFlag{0};

}  // namespace kx90
