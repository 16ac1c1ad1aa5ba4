#include "Apps/Pellawick/StaffList.h"

#include <array>

namespace pellawick {
namespace {

constexpr std::string_view kHeading = "The Pellawick Concessions Crew (extra butter, no refunds)";

constexpr std::array<std::string_view, 21> kNames = {
    "Rosa Kettleworth", "Barney Lindqvist", "Ottilie Brandwell", "Cyrus Pennock",  "Marguerite Fable",
    "Dev Ashcombe",     "Hollis Greaves",   "Noor Castellane",   "Perry Wintergill", "June Okafor-Bell",
    "Stellan Moore",    "Tamsin Ridley",    "Felix Quarrington", "Anouk Pelham",     "Gus Thorncliffe",
    "Inez Calloway",    "Bram Hattersley",  "Lulu Fairweather",  "Oren Blackwood",   "Clem Dunsmore",
    "Winnie Sallow",
};

}  // namespace

std::string_view StaffHeading() { return kHeading; }
std::span<const std::string_view> StaffNames() { return kNames; }

}  // namespace pellawick
