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

const Figure& FigureRecord::Note(const Figure& f)
{
    const Key key{f.kind, f.g};
    auto it = index_.find(key);
    if (it != index_.end()) {
        // The figure moves to the end with its new colour; its node is reused, not reallocated.
        figures_.splice(figures_.end(), figures_, it->second);
        it->second->colour = f.colour;
        it->second->drawn = ++clock_;
        return *it->second;
    }
    const auto node = figures_.insert(figures_.end(), f);
    node->drawn = ++clock_;
    index_.emplace(key, node);
    return *node;
}

const Figure* FigureRecord::Find(Figure::Kind kind, const std::array<double, 6>& g) const
{
    const auto it = index_.find(Key{kind, g});
    return it == index_.end() ? nullptr : &*it->second;
}

void FigureRecord::Clear()
{
    figures_.clear();
    index_.clear();
}

}  // namespace platform
