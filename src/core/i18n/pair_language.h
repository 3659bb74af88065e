// Which text of a built-in Chinese/English pair is shown: the program's own messages and names
// come in these two languages only, whatever the catalogue's language.
#pragma once

namespace kx90 {

enum class PairLanguage { kEnglish, kChinese };

template <typename T>
const T& PickByLanguage(PairLanguage language, const T& chinese, const T& english) {
    return language == PairLanguage::kChinese ? chinese : english;
}

}  // namespace kx90
