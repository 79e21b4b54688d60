// An old-layout beam data file, laid out field by field at its offsets.
#pragma once
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>
#include "BeamFile.h"
#include "BinFile.h"
#include "Global.h"

inline void PutStr(std::vector<uint8_t>& b, size_t at, const std::string& s) {
    b[at] = static_cast<uint8_t>(s.size());
    std::memcpy(&b[at + 1], s.data(), s.size());
}

inline size_t OldLoad(int lc, int slot, int field) { return 2565 + ((lc - 1) * 51 + slot - 1) * 32 + 4 * field; }

// An old-layout file of two spans and a right cantilever, laid out field by
// field at its offsets.
inline std::vector<uint8_t> OldFile() {
    std::vector<uint8_t> b(OldBeamFileBytes, 0);
    PutStr(b, 0, "Old Company Ltd");
    PutStr(b, 101, "A User");
    PutStr(b, 606 + 101 * 1, "203 x 133 x 25 UB");
    PutStr(b, 606 + 101 * 11, "Cantilever");
    const char* units[] = {"ft", "kip", "kip/ft", "ksi", "in^4", "kip", "kip-ft", "in", "ksi"};
    const float factors[] = {304.8f, 2, 3, 4, 416231.44f, 6, 7, 0.03937008f, 9};
    for (int i = 0; i < 9; ++i) {
        PutStr(b, 1830 + 11 * i, units[i]);
        PutSingle(&b[1929 + 4 * i], factors[i]);
    }
    const double rhc[] = {1, 1500, 205000, 1e8, 100, 3200};
    const double span[] = {1, 5000, 205000, 1e8, 100, 3200};
    for (int c = 0; c < 6; ++c) {
        PutDouble(&b[2013 + 8 * c], rhc[c]);
        PutDouble(&b[2085 + 8 * c], span[c]);
        PutDouble(&b[2085 + 48 + 8 * c], span[c]);
    }
    PutDouble(&b[2061], 11500);
    PutInt32(&b[2077], -1);  // simple
    PutInt32(&b[2081], 1);   // fixed
    // Slot 4: a point load with factor 1.5, applied in loadcase 3.
    const float load[] = {1, 2500, 10000, 0, 0, 1.5f};
    for (int lc = 1; lc <= 25; ++lc) {
        for (int f = 0; f < 6; ++f) PutSingle(&b[OldLoad(lc, 4, f)], load[f]);
        PutSingle(&b[OldLoad(lc, 4, LApplied)], lc == 3 ? 1.0f : -1.0f);
    }
    PutInt32(&b[43365], 2);
    PutInt32(&b[43369], 3);
    PutInt32(&b[43373 + 4 * 2], 1);
    PutInt32(&b[43473], 7);
    PutInt32(&b[43477], 1);
    PutStr(b, 43481, "UB");
    PutSingle(&b[43507], 75);
    PutSingle(&b[43511], 200);
    for (int i = 0; i < 97; ++i) PutStr(b, 43515 + 26 * i, i == 96 ? "OLD" : "KVL");
    for (int k = 0; k <= 10; ++k) PutInt32(&b[46037 + 4 * k], k == 10 ? -1 : 5);
    return b;
}

