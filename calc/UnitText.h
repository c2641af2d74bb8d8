// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the planning and schedule windows and the command line's planning modes write a
// figure with its unit (docs/wording.md): the unit right after the figure, no space;
// rates and ratios as plain decimals, never in exponent form and never with a bare
// point. The summary window and the plain command-line mode keep their own formats.
#include <cstdint>
#include <string>

namespace hn {

// "116,664円", "-1,000円".
std::string YenText(std::int64_t yen);
// "3,750万円".
std::string ManText(std::int64_t man);
// A percentage as a plain decimal, to a millionth, without its unit: "2.375", "0.0005".
std::string PercentFigure(double percent);
// A yearly rate given as a fraction, as the percent it was typed as: "2.375%", "3%",
// "0.0005%", "0%".
std::string RateText(double fraction);
// A ratio or share given in percent: to hundredths, "35%", "30.14%", "19.5%".
std::string RatioText(double percent);
// "347か月".
std::string MonthsText(int months);
// A span of months as years and months, a zero part left out: "4年3か月", "2年", "9か月", "0か月".
std::string SpanText(int months);
// "第394回".
std::string InstalmentText(int number);

} // namespace hn
