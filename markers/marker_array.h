#pragma once
// A control array of charge markers, addressed by the markers' own indices (which need not
// start at 0 or be contiguous).
#include <map>

#include "markers/charge_marker.h"

namespace markers {

class MarkerArray {
public:
    void Add(int index, ChargeMarker* marker) { markers_[index] = marker; }
    bool Has(int index) const { return markers_.count(index) != 0; }
    // The marker with this index; nullptr when the array has none.
    ChargeMarker* At(int index) const
    {
        auto it = markers_.find(index);
        return it == markers_.end() ? nullptr : it->second;
    }
    ChargeMarker* operator()(int index) const { return At(index); }
    int Count() const { return static_cast<int>(markers_.size()); }
    const std::map<int, ChargeMarker*>& All() const { return markers_; }

private:
    std::map<int, ChargeMarker*> markers_;
};

}  // namespace markers
