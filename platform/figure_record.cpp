#include "platform/figure_record.h"

#include <cstdint>
#include <cstring>

namespace platform {

std::size_t FigureRecord::KeyHash::operator()(const Key& k) const
{
    std::uint64_t h = static_cast<std::uint64_t>(k.kind) + 0x9e3779b97f4a7c15ULL;
    for (double v : k.g) {
        // +0.0 folds -0.0 into 0.0, as == does. memcpy, not std::bit_cast: the browser's build
        // compiles against emscripten's older libc++, which lacks it.
        const double folded = v + 0.0;
        std::uint64_t bits;
        std::memcpy(&bits, &folded, sizeof bits);
        h ^= bits;
        h *= 0x100000001b3ULL;
        h ^= h >> 29;
    }
    return static_cast<std::size_t>(h);
}

Figure* FigureRecord::Find(Figure::Kind kind, const std::array<double, 6>& g)
{
    const auto it = figures_.find(Key{kind, g});
    return it == figures_.end() ? nullptr : &it->second;
}

const Figure* FigureRecord::Find(Figure::Kind kind, const std::array<double, 6>& g) const
{
    const auto it = figures_.find(Key{kind, g});
    return it == figures_.end() ? nullptr : &it->second;
}

Figure& FigureRecord::Add(Figure::Kind kind, const std::array<double, 6>& g)
{
    Figure& f = figures_[Key{kind, g}];
    f.kind = kind;
    f.g = g;
    return f;
}

void FigureRecord::Remove(const Figure& f) { figures_.erase(Key{f.kind, f.g}); }

}  // namespace platform
