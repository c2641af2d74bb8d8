// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/plan/PairCapacity.h"

#include <cstddef>

namespace hn {

PairCapacityOutcome ComputePairCapacity(const CapacityRequest& base, const std::array<double, 2>& incomeMan,
                                        const std::array<double, 2>& otherDebtsMan)
{
    PairCapacityOutcome out;
    for (std::size_t k = 0; k < 2; ++k) {
        CapacityRequest one = base;
        one.incomeMan = incomeMan[k];
        one.otherDebtsMan = otherDebtsMan[k];
        out.own[k] = ComputeCapacity(one);
    }
    if (out.own[0].ok && out.own[1].ok)
        out.pairTotalMan = out.own[0].result.capacityMan + out.own[1].result.capacityMan;
    CapacityRequest both = base;
    both.incomeMan = incomeMan[0] + incomeMan[1];
    both.otherDebtsMan = otherDebtsMan[0] + otherDebtsMan[1];
    out.combined = ComputeCapacity(both);
    return out;
}

} // namespace hn
