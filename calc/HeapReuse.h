// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The programs build and drop schedules and their views of a few hundred KiB at
// each edit or each loan of a batch. With the C library's default settings the
// memory they free at the top of the heap goes back to the kernel at once (and
// blocks over 128 KiB are mapped and unmapped alone), so the next schedule
// faults the same pages in again, one by one: over half of the time of a
// 99-year schedule's checks and views. Called once at the start of a program.
namespace hn {

// Keeps up to a few MiB of freed memory in the heap for the next allocations
// (glibc; elsewhere nothing changes).
void KeepFreedMemoryForReuse() noexcept;

} // namespace hn
