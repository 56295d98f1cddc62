#include "riddle/chance.h"

#include <chrono>
#include <cstring>
#include <ctime>

namespace parabolix {

namespace {

constexpr std::uint64_t kGolden = 0x9E3779B97F4A7C15;

// The splitmix64 finaliser: a bijection that spreads every input bit.
std::uint64_t mix(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EB;
    return z ^ (z >> 31);
}

} // namespace

void MixingGenerator::reseed(float seed)
{
    // The seed's bits; std::bit_cast is missing from some C++ libraries.
    std::uint32_t bits = 0;
    static_assert(sizeof bits == sizeof seed);
    std::memcpy(&bits, &seed, sizeof bits);
    m_state = mix(m_state ^ (bits * kGolden));
}

float MixingGenerator::next()
{
    m_state += kGolden;
    // The top 24 bits over 2^24: exact in a float, and never 1.
    return static_cast<float>(mix(m_state) >> 40) * 0x1p-24F;
}

float SystemClock::secondsSinceMidnight() const
{
    const auto now = std::chrono::system_clock::now();
    const auto whole = std::chrono::floor<std::chrono::seconds>(now);
    const std::time_t time = std::chrono::system_clock::to_time_t(whole);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &time);
#else
    localtime_r(&time, &local);
#endif
    const double fraction = std::chrono::duration<double>(now - whole).count();
    return static_cast<float>(local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec + fraction);
}

} // namespace parabolix
