#include "FakeNames.h"

#include <cctype>
#include <vector>

namespace tarnveil::leakbench {

namespace {

const std::vector<std::string> firstNames{"Alex",  "Maja",  "Jonas", "Priya", "Tomas", "Lena",   "Omar",
                                          "Sofia", "Kenji", "Ines",  "Marek", "Hanna", "Rafael", "Noor"};
const std::vector<std::string> lastNames{"Lindqvist", "Okafor",   "Brandt", "Kowalczyk", "Moreau", "Tanabe",  "Novak",
                                         "Haddad",    "Ferreira", "Keller", "Saarinen",  "Varga",  "Albescu", "Quist"};

std::string lower(std::string text)
{
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

} // namespace

std::string FakeNames::first(Rng& rng)
{
    return rng.pick(firstNames);
}

std::string FakeNames::last(Rng& rng)
{
    return rng.pick(lastNames);
}

std::string FakeNames::fullName(Rng& rng)
{
    return first(rng) + " " + last(rng);
}

std::string FakeNames::login(Rng& rng)
{
    const std::string given = first(rng);
    const std::string family = last(rng);
    switch (rng.below(4)) {
    case 0: return lower(given.substr(0, 1) + family);
    case 1: return lower(given) + "_" + lower(family);
    case 2: return given;
    default: return lower(given) + std::to_string(rng.between(1, 99));
    }
}

} // namespace tarnveil::leakbench
