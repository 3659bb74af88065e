// What the mouse hook costs per event: the decision the hook procedure asks for (target < 1 us).
#include <benchmark/benchmark.h>

#include "core/buttons/hook_manager.h"

namespace kx90 {
namespace {

void HookDecision(benchmark::State& state) {
    HookManager hooks;
    hooks.OnHooksInstalled(1);
    hooks.AddHostAction(0x1020B);
    hooks.AddHostAction(0x20A00);
    const uint32_t events[][2] = {{0x200, 0}, {0x201, 0}, {0x202, 0}, {0x20A, 120u << 16},
                                  {0x20B, 1u << 16}, {0x20C, 1u << 16}, {0x20A, static_cast<uint32_t>(-120) << 16}};
    size_t i = 0;
    for (auto _ : state) {
        const auto& e = events[i++ % std::size(events)];
        benchmark::DoNotOptimize(hooks.OnMouseEvent(e[0], e[1]));
    }
}
BENCHMARK(HookDecision);

}  // namespace
}  // namespace kx90
