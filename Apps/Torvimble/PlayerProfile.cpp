#include "Apps/Torvimble/PlayerProfile.h"

#include <climits>

#include "Apps/Common/DecimalText.h"
#include "Apps/Common/Player.h"

namespace torvimble {

int StartingClams(const char* stored) {
    const int clams = stored != nullptr ? ParseDecimal(stored) : 0;
    return clams < 1 ? kGiftClams : clams;
}

void CPlayerProfile::SetName(std::string_view name) { name_ = name.substr(0, kPlayerNameMax); }

void CPlayerProfile::Load(const char* stored, HoldingsStore& store) {
    clams = StartingClams(stored);
    if (stored == nullptr || ParseDecimal(stored) != clams) store.StoreHoldings(name_, clams);
}

bool CPlayerProfile::Apply(int change, HoldingsStore& store) {
    const long long sum = static_cast<long long>(clams) + change;
    clams = sum > INT_MAX ? INT_MAX : static_cast<int>(sum < INT_MIN ? INT_MIN : sum);
    const bool gift = clams < 1;
    if (gift) clams = kGiftClams;
    store.StoreHoldings(name_, clams);
    store.UpdateTopRocks(name_, clams);
    return gift;
}

}  // namespace torvimble
