// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a long heading may break. Japanese text may otherwise break between any two
// characters, which cuts a term such as "期間短縮型 (回数単位)" or "2,000万円" in two:
// the heading breaks only after a full-width space, a list comma "、" or an arrow "→",
// and each piece between them stays whole. Plain C++.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace hn {

// The heading cut after each break mark; the pieces joined give the heading again.
std::vector<std::string> HeadingPieces(std::string_view heading);

// Pieces of the given widths filled into lines of at most `lineWidth`, each line as
// full as it goes (a piece wider than a line has a line of its own): the index of the
// first piece of each line. No pieces: no lines.
std::vector<std::size_t> PackLines(const std::vector<int>& widths, int lineWidth);

} // namespace hn
