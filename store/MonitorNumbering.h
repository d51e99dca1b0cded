#pragma once
// Which number each monitor gets. The calibrations, the per-monitor settings and the presets are
// kept under monitor numbers; a window system lists its monitors in an order of its own (a
// Wayland compositor in the order the outputs were connected, X11 by its outputs' order), which
// may differ from one start to the next. A monitor that names itself is numbered as the monitor
// it was calibrated as, so what was kept for it stays with it.

#include <vector>

#include "store/ScreenIdentity.h"

namespace lenvari {

// `present`: the monitors in the window system's order. `remembered[n - 1]`: the monitor
// calibrated as number n (unknown where none was). The result holds each present monitor's
// number, 1..present.size(), all different. A monitor gets its remembered number only where its
// identity (maker, model and serial number) is that of exactly one present and one remembered
// monitor; every other monitor takes the free numbers in the window system's order.
std::vector<int> NumberMonitors(const std::vector<ScreenRecord>& present,
                                const std::vector<ScreenRecord>& remembered);

}  // namespace lenvari
