// The interface language of one program run: the catalogue texts and which text of each built-in
// Chinese/English message pair shows. Owned by the application state and handed to whoever needs
// it; a test makes its own.
#pragma once

#include <utility>

#include "core/i18n/language_strings.h"
#include "core/i18n/pair_language.h"

namespace kx90 {

// Used on the user-interface thread only (the worker threads never show texts themselves).
class UiLanguage {
public:
    const LanguageStrings& Strings() const { return strings_; }
    // Replaces every catalogue text (after a language file was loaded).
    void SetStrings(LanguageStrings strings) { strings_ = std::move(strings); }

    // Simplified Chinese is the interface language: the built-in pairs show their Chinese text.
    bool IsChinese() const { return pairs_ == PairLanguage::kChinese; }
    PairLanguage Pairs() const { return pairs_; }
    void SetChinese(bool chinese) { pairs_ = chinese ? PairLanguage::kChinese : PairLanguage::kEnglish; }

    // The installation's own language (a Chinese installation), set once at start-up.
    bool InstallIsChinese() const { return installChinese_; }
    void SetInstallChinese(bool chinese) { installChinese_ = chinese; }

    template <typename T>
    const T& Pick(const T& chinese, const T& english) const {
        return PickByLanguage(pairs_, chinese, english);
    }

private:
    LanguageStrings strings_;
    PairLanguage pairs_ = PairLanguage::kEnglish;
    bool installChinese_ = false;
};

}  // namespace kx90
