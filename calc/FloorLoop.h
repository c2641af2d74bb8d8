// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The interest loops floor once a period, and floor is a single instruction
// only from SSE4.1 on, which the baseline x86-64 target lacks (there it is a
// library call). Such loops (the engine's, the schedule's) are therefore built
// twice and the loader picks the SSE4.1 build where the processor has one:
// about twice as fast, with the same results (docs/performance.md).
#if defined(__x86_64__) && defined(__ELF__) && (defined(__GNUC__) && (!defined(__clang__) || __clang_major__ >= 14))
#define HN_FLOOR_LOOP __attribute__((target_clones("sse4.1", "default")))
#else
#define HN_FLOOR_LOOP
#endif
