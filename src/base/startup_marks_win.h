// Start-up marks: the moments at which start-up reaches its phases, read
// from QueryPerformanceCounter. Only a build with DEMODISC_STARTUP_PROFILE
// (tools/profile-startup.sh) records them; in every other build both calls
// are empty and compile to nothing.
#pragma once

namespace demodisc {

#ifdef DEMODISC_STARTUP_PROFILE
// Records the moment a phase is reached, the first time only: `phase` is a
// string literal, told apart by its address.
void StartupMark(const char* phase) noexcept;
// Writes the recorded marks, one line each ("mark <counter> <phase>"), to
// the standard error handle the starting program gave; nothing without one.
void WriteStartupMarks() noexcept;
#else
inline void StartupMark(const char*) noexcept {}
inline void WriteStartupMarks() noexcept {}
#endif

}  // namespace demodisc
