// Sets the interface-language flag for the length of one test and puts the old value back.
#pragma once

#include "core/i18n/ui_language.h"

namespace kx90::test {

class ScopedUiLanguage {
public:
    explicit ScopedUiLanguage(bool chinese) : saved_(UiLanguageFlag.load()) { UiLanguageFlag = chinese ? 1 : 0; }
    ~ScopedUiLanguage() { UiLanguageFlag = saved_; }
    ScopedUiLanguage(const ScopedUiLanguage&) = delete;
    ScopedUiLanguage& operator=(const ScopedUiLanguage&) = delete;

private:
    int saved_;
};

}  // namespace kx90::test
