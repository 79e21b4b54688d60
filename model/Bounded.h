// Tables with their own index ranges: an index outside Lo..Hi raises
// "Range check error".
#pragma once
#include <array>
#include <vector>
#include "RunError.h"

template <class T, int Lo, int Hi>
class BArray {
    static_assert(Hi >= Lo);
    std::array<T, Hi - Lo + 1> a_{};

public:
    static constexpr int Low = Lo;
    static constexpr int High = Hi;
    static constexpr int Count = Hi - Lo + 1;

    T& operator[](long long i) {
        if (i < Lo || i > Hi) RaiseRangeCheck();
        return a_[static_cast<size_t>(i - Lo)];
    }
    const T& operator[](long long i) const {
        if (i < Lo || i > Hi) RaiseRangeCheck();
        return a_[static_cast<size_t>(i - Lo)];
    }
    void Fill(const T& v) { a_.fill(v); }
    T* data() { return a_.data(); }
    const T* data() const { return a_.data(); }
    auto begin() { return a_.begin(); }
    auto end() { return a_.end(); }
    auto begin() const { return a_.begin(); }
    auto end() const { return a_.end(); }
    bool operator==(const BArray&) const = default;
};

// Two-dimensional table [L1..H1][L2..H2].
template <class T, int L1, int H1, int L2, int H2>
using BArray2 = BArray<BArray<T, L2, H2>, L1, H1>;

template <class T, int L1, int H1, int L2, int H2, int L3, int H3>
using BArray3 = BArray<BArray<BArray<T, L3, H3>, L2, H2>, L1, H1>;

// Dynamic table indexed from 0, sized by SetLength (which discards the old
// contents); an index beyond its length raises "Range check error".
template <class T>
class BDynArray {
    std::vector<T> v_;

public:
    void SetLength(long long n) { v_.assign(static_cast<size_t>(n < 0 ? 0 : n), T{}); }
    long long Length() const { return static_cast<long long>(v_.size()); }
    T& operator[](long long i) {
        if (i < 0 || i >= Length()) RaiseRangeCheck();
        return v_[static_cast<size_t>(i)];
    }
    const T& operator[](long long i) const {
        if (i < 0 || i >= Length()) RaiseRangeCheck();
        return v_[static_cast<size_t>(i)];
    }
};
