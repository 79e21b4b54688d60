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
        for (size_t i = 0; i < names_.size(); ++i) {
            *Names()[i] = names_[i];
            *Factors()[i] = factors_[i];
        }
        for (size_t i = 0; i < 4; ++i) *Captions()[i] = captions_[i];
        BMConvention = bm_;
        FactoredLoads = factored_;
        FileMark = mark_;
        IndexFrmShown = shown_;
        StartDir = startDir_;
    }
    const TempDir& Dir() const { return dir_; }

private:
    static std::array<ShortString<10>*, 14> Names() {
        return {&Unit_L, &Unit_Sect_L, &Unit_PL, &Unit_R, &Unit_Sh, &Unit_Mom, &Unit_Def,
                &Unit_St, &Unit_Sect_E, &Unit_Sect_I, &Unit_Sect_SZ, &Unit_Sect_A, &Unit_Wt, &Unit_H};
    }
    static std::array<float*, 14> Factors() {
        return {&Factor_L, &Factor_Sect_L, &Factor_PL, &Factor_R, &Factor_Sh, &Factor_Mom,
                &Factor_Def, &Factor_St, &Factor_Sect_E, &Factor_Sect_I, &Factor_Sect_SZ,
                &Factor_Sect_A, &Factor_Wt, &Factor_H};
    }
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
    std::array<ShortString<10>, 14> names_ = Values(Names());
    std::array<float, 14> factors_ = Values(Factors());
    std::array<ShortString<25>, 4> captions_ = Values(Captions());
    int32_t bm_ = BMConvention, factored_ = FactoredLoads, shown_ = IndexFrmShown;
    ShortString<25> mark_ = FileMark;
    std::string startDir_ = StartDir;
};
