// Keeps the unit settings, the switches the preferences window sets and the
// current directory as a test found them.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include "Global.h"
#include "TempDir.h"

class UnitsGuard {
public:
    UnitsGuard() = default;
    ~UnitsGuard() {
        Units = units_;
        for (size_t i = 0; i < 4; ++i) *Captions()[i] = captions_[i];
        BMConvention = bm_;
        FactoredLoads = factored_;
        FileMark = mark_;
        IndexFrmShown = shown_;
        StartDir = startDir_;
    }
    const TempDir& Dir() const { return dir_; }

private:
    static std::array<ShortString<25>*, 4> Captions() {
        return {&PlasticModXName, &ElasticModXName, &PlasticModYName, &ElasticModYName};
    }
    template <typename T, size_t N>
    static std::array<T, N> Values(const std::array<T*, N>& p) {
        std::array<T, N> v;
        for (size_t i = 0; i < N; ++i) v[i] = *p[i];
        return v;
    }
    TempDir dir_;
    std::array<DisplayUnit, QuantityCount> units_ = Units;
    std::array<ShortString<25>, 4> captions_ = Values(Captions());
    int32_t bm_ = BMConvention, factored_ = FactoredLoads, shown_ = IndexFrmShown;
    ShortString<25> mark_ = FileMark;
    std::string startDir_ = StartDir;
};
