#pragma once
// Samples of one measurement and the line `make bench` prints for it.

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace kz::bench {

struct Summary {
    double median = 0, p99 = 0, min = 0, max = 0;
};

inline Summary summarise(std::vector<double> v)
{
    Summary s;
    if (v.empty())
        return s;
    std::sort(v.begin(), v.end());
    auto at = [&](double q) { return v[std::min(v.size() - 1, static_cast<std::size_t>(q * (v.size() - 1) + 0.5))]; };
    s.median = at(0.5);
    s.p99 = at(0.99);
    s.min = v.front();
    s.max = v.back();
    return s;
}

// "<name> target=<..> measured=<..> met|missed <extra>"
inline void report(const std::string& name, const std::string& target, const std::string& measured, bool met,
                   const std::string& extra = {})
{
    std::printf("%s target=%s measured=%s %s%s%s\n", name.c_str(), target.c_str(), measured.c_str(),
                met ? "met" : "missed", extra.empty() ? "" : " ", extra.c_str());
    std::fflush(stdout);
}

inline std::string fmt(const char* f, double a)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, f, a);
    return buf;
}

inline std::string fmt(const char* f, double a, double b)
{
    char buf[96];
    std::snprintf(buf, sizeof buf, f, a, b);
    return buf;
}

} // namespace kz::bench
