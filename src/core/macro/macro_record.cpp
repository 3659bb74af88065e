// Safe views of a MacroRecord's events and name, and new macro identifiers.
#include "core/macro/macro_record.h"

#include <algorithm>

namespace kx90 {

std::span<const MacroEvent> StoredEvents(const MacroRecord& record) {
    const uint32_t count = std::min<uint32_t>(record.eventCount, kMacroEventCapacity);
    return {record.events, count};
}

std::u16string_view MacroName(const MacroRecord& record) {
    const char16_t* end = std::find(record.name, record.name + kMacroNameUnits, u'\0');
    return {record.name, static_cast<size_t>(end - record.name)};
}

void SetMacroName(MacroRecord& record, std::u16string_view name) {
    const size_t n = std::min<size_t>(name.size(), kMacroNameUnits - 1);
    std::copy_n(name.data(), n, record.name);
    std::fill(record.name + n, record.name + kMacroNameUnits, u'\0');
}

uint32_t NewMacroId(uint32_t group, Clock& clock) {
    return (group << 24) | (clock.TickCount() & 0xFFFFFF);
}

}  // namespace kx90
