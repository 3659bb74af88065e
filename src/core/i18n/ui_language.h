// The process-wide interface-language flags every built-in Chinese/English message pair reads.
#pragma once

#include <atomic>

namespace kx90 {

// 1 while simplified Chinese is the interface language, 0 otherwise. Set at start-up and on every
// language change; read everywhere (also from the writer thread, hence atomic).
extern std::atomic<int> UiLanguageFlag;

// The installation's own language (1 = Chinese installation), set once at start-up.
extern std::atomic<int> InstallLanguageFlag;

inline bool UiIsChinese() { return UiLanguageFlag.load(std::memory_order_relaxed) != 0; }

// Picks the Chinese or the English text of a built-in message pair by UiLanguageFlag.
template <typename T>
const T& PickByLanguage(const T& chinese, const T& english) {
    return UiIsChinese() ? chinese : english;
}

}  // namespace kx90
