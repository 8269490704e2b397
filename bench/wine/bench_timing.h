#pragma once
// Wall-clock time of one round of work under wine64, from the performance counter: one
// round to warm up, then the mean over many, with GDI's batch flushed inside the timing.
#include <windows.h>

namespace bench {

inline double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

template <typename Work>
double TimePerRound(int rounds, Work&& work) {
  work();
  LARGE_INTEGER start, end;
  QueryPerformanceCounter(&start);
  for (int i = 0; i < rounds; ++i) work();
  GdiFlush();
  QueryPerformanceCounter(&end);
  return Seconds(start, end) / rounds;
}

}  // namespace bench
