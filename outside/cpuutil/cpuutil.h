// The two exports of cpuutil.dll, for callers that bind it at run time. The
// behaviour is described in cpuutil_win.cpp and LoadMeter.h.
#pragma once

#include <cstdint>

extern "C" {
std::int32_t __cdecl cuInit(std::int32_t* n);
std::int32_t __cdecl cuUpdate(float* entries, std::uint32_t* count);
}

using CuInitFn = std::int32_t(__cdecl*)(std::int32_t*);
using CuUpdateFn = std::int32_t(__cdecl*)(float*, std::uint32_t*);
