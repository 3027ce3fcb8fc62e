// What a caller of the calculation may rely on in the floating-point unit, and the program's own mode.
#pragma once

#include <cstdint>

#include "FpState.h"

using FpEnvironment = fpstate::Snapshot;

constexpr std::uint16_t DefaultControl = 0x037F; // masked, extended, to nearest
constexpr std::uint32_t DefaultMxcsr = 0x1F80;
