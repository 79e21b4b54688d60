// The seven I and H section table files: numbering, blank records, which
// fields each table fills, designations, and writing on a full disk.
#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <set>
#include "ErrorOf.h"
#include "SectionFiles.h"
#include "SectionTables.h"
#include "FileSizeLimit.h"
#include "TempDir.h"

namespace {
using namespace sect;

using namespace Offset;

// The singles that a table's section records fill; every other single is 0.
std::vector<int> FilledSingles(const std::string& file) {
    std::vector<int> filled = {Depth, Width, WebThk, FlangeThk, RootRad, Outstand, WebDepth, E, Area, Ixx, Iyy, Rxx,
                               Ryy, XFibre, YFibre, TorsionK, TorsionT, Sxx, Syy, BucklingU, TorsionalIndex, WarpingH};
    if (file == "UB.sct" || file == "UC.sct" || file == "IPE.sct" || file == "HE.sct") filled.push_back(Grade);
    if (file == "RSJ.sct") filled.insert(filled.end(), {ToeRad, FlangeAngle});
    return filled;
}

// Every record numbered, and either a blank at its table's blank positions or a
// section that fills its table's fields.
TEST(IHTables, RecordsAreNumberedBlanksOrFilledSections) {
    const struct {
        const char* file;
        std::vector<int> blanks;   // positions of the blank separator records
        const char* blankKind;     // kind of the blank records ("" or "Beam"); UB mixes both
    } tables[] = {
        {"UB.sct", {2, 4, 6, 8, 11, 15, 19, 23, 27, 31, 34, 39, 42, 47, 53, 59, 65, 70, 74, 79, 84, 88, 93}, nullptr},
        {"UC.sct", {4, 10, 16, 24, 29, 37}, "Beam"},
        {"RSJ.sct", {}, ""},
        {"IPE.sct", {3, 6, 10, 14, 19, 24, 29, 34, 39, 44, 49, 54, 60, 66, 72, 78, 84}, "Beam"},
        {"HE.sct", {4, 8, 12, 17, 22, 27, 33, 38, 43, 48, 54, 59, 64, 69, 75, 81, 86, 91, 99, 104, 110, 115, 120}, "Beam"},
        {"WsBeam.sct",
         {4, 7, 11, 15, 19, 22, 26, 29, 35, 39, 45, 49, 55, 67, 70, 84, 97, 111, 122, 137, 146, 160, 171, 185, 193, 203,
          204, 205, 206, 207, 208},
         ""},
        {"WsCol.sct", {4, 11, 21, 40, 46}, ""},
    };
    for (const auto& t : tables) {
        SCOPED_TRACE(t.file);
        const TableFile& f = Written(t.file);
        const std::vector<int> filled = FilledSingles(t.file);
        const float grade = std::count(filled.begin(), filled.end(), Grade) ? 43.f : 0.f;
        for (int k = 1; k <= f.Count(); ++k) {
            const SectionRecord& r = f[k];
            const bool blank = std::count(t.blanks.begin(), t.blanks.end(), k) == 1;
            EXPECT_EQ(r.RecNo, k);
            EXPECT_EQ(f.IsBlank(k), blank) << "record " << k;
            if (blank) {
                ExpectBlank(f, k, std::string(25, ' '), t.blankKind ? t.blankKind : (k <= 27 ? "" : "Beam"));
                continue;
            }
            ExpectFilled(f, k, filled);
            EXPECT_EQ(r.E, 205000.f);
            EXPECT_EQ(r.Grade, grade);
            EXPECT_EQ(r.Kind.str(), t.file == std::string("RSJ.sct") ? "RSJ" : "Beam");
            EXPECT_EQ(r.FlangeAngle, t.file == std::string("RSJ.sct") ? 8.f : 0.f);
            EXPECT_EQ(f.Raw(k)[0], 25);
            EXPECT_NE(r.Designation.str()[0], ' ') << "record " << k;
        }
    }
}

// The first and last sections of each table are among the telling rows.
TEST(IHTables, DesignationsKeepTheirSpelling) {
    struct Spelled { const char* file; int recNo; const char* text; };
    const Spelled spelled[] = {{"HE.sct", 2, "HE100 A"}, {"HE.sct", 73, "HE 400 B"}, {"HE.sct", 74, "HE 400 M"},
                               {"HE.sct", 71, "HE 400 x 107"}, {"IPE.sct", 81, "IPE 600 O"},
                               {"IPE.sct", 82, "IPE 600 R"}, {"WsBeam.sct", 54, "W 21 x 8-1/4 x 93"},
                               {"WsBeam.sct", 56, "W21 x 12-1/4 x 101"}, {"WsCol.sct", 48, "W 14 x 16 x 159"},
                               {"UC.sct", 30, "356 UC 235"}, {"RSJ.sct", 8, "203 x 152 x 52 RSJ"}};
    for (const Spelled& d : spelled)
        EXPECT_EQ(Trimmed(Written(d.file).records[d.recNo - 1]), d.text) << d.file << " " << d.recNo;
}

TEST(IHTables, HeTwinRecordsAreTheSameSection) {
    const TableFile& he = Written("HE.sct");
    EXPECT_EQ(Trimmed(he.records[27]), "HE 220  AA");
    EXPECT_EQ(Trimmed(he.records[28]), "HE 220  AA");
    EXPECT_EQ(std::memcmp(he.Raw(28) + 28, he.Raw(29) + 28, 60), 0);
    EXPECT_EQ(std::memcmp(he.Raw(28) + 100, he.Raw(29) + 100, 96), 0);
}

// The mass per metre in a designation is the area times 0.00785 kg/m per mm^2.
TEST(IHTables, DesignatedMassFollowsTheArea) {
    const std::pair<const char*, std::string> exceptions[] = {{"UB.sct", "838 x 292 UB 226"},
                                                              {"RSJ.sct", "89 x 89 x 19 RSJ"}};
    for (const char* file : {"UB.sct", "UC.sct", "RSJ.sct", "HE.sct"}) {
        const TableFile& f = Written(file);
        for (const SectionRecord& r : f.records) {
            std::string d = Trimmed(r);
            if (r.Width == 0 || (file == std::string("HE.sct") && d.find(" x ") == std::string::npos)) continue;
            bool exception = false;
            for (const auto& [ef, ed] : exceptions) exception |= (ef == std::string(file) && ed == d);
            std::string word = file == std::string("RSJ.sct") ? d.substr(0, d.rfind(' ')) : d;
            int mass = std::stoi(word.substr(word.rfind(' ') + 1));
            double fromArea = r.Area * 0.00785;
            if (exception) EXPECT_NE(std::lround(fromArea), mass) << d;
            else EXPECT_EQ(std::lround(fromArea), mass) << file << " " << d << " gives " << fromArea;
        }
    }
}

TEST(IHTables, GroupValuesOfRootRadiusAndWebDepth) {
    const TableFile& ipe = Written("IPE.sct");
    const std::set<float> ipeRadii = {7, 9, 12, 15, 18, 21, 24};
    for (const SectionRecord& r : ipe.records) {
        if (r.Width == 0) continue;
        if (Trimmed(r).rfind("IPE 750", 0) == 0) EXPECT_EQ(r.RootRad, 17.f);
        else EXPECT_TRUE(ipeRadii.count(r.RootRad)) << Trimmed(r);
    }
    const TableFile& he = Written("HE.sct");
    float groupWeb = 0;
    for (int k = 1; k <= int(he.records.size()); ++k) {
        const SectionRecord& r = he.records[k - 1];
        if (r.Width == 0) { groupWeb = 0; continue; }
        int size = std::stoi(Trimmed(r).substr(2));
        float radius = size <= 140 ? 12 : size <= 180 ? 15 : size <= 220 ? 18 : size <= 240 ? 21 : size <= 280 ? 24
                     : size <= 700 ? 27 : 30;
        EXPECT_EQ(r.RootRad, radius) << Trimmed(r);
        std::string d = Trimmed(r);
        if (d == "HE 600 x 151" || d == "HE 600 x 174") {
            EXPECT_NE(r.WebDepth, 486.f) << d;
            continue;
        }
        if (groupWeb == 0) groupWeb = r.WebDepth;
        EXPECT_EQ(r.WebDepth, groupWeb) << d;
    }
    struct Range { const char* file; int from, to; float radius; };
    const Range ranges[] = {
        {"WsBeam.sct", 1, 3, 6.3f}, {"WsBeam.sct", 5, 18, 7.6f}, {"WsBeam.sct", 20, 44, 10.2f},
        {"WsBeam.sct", 46, 96, 12.7f}, {"WsBeam.sct", 98, 121, 15.2f}, {"WsBeam.sct", 123, 145, 16.5f},
        {"WsBeam.sct", 147, 168, 17.8f}, {"WsBeam.sct", 169, 170, 17.6f}, {"WsBeam.sct", 172, 184, 19.1f},
        {"WsBeam.sct", 186, 192, 24.1f}, {"WsBeam.sct", 194, 202, 29.f}, {"WsCol.sct", 1, 3, 8.f},
        {"WsCol.sct", 5, 10, 10.f}, {"WsCol.sct", 12, 20, 12.7f}, {"WsCol.sct", 22, 39, 15.f},
        {"WsCol.sct", 41, 66, 15.2f}};
    int covered = 0;
    for (const Range& g : ranges) {
        const TableFile& f = Written(g.file);
        for (int k = g.from; k <= g.to; ++k) {
            if (f.IsBlank(k)) continue;
            EXPECT_EQ(f.records[k - 1].RootRad, g.radius) << g.file << " record " << k;
            ++covered;
        }
    }
    EXPECT_EQ(covered, 177 + 61);
    EXPECT_EQ(Written("WsBeam.sct").records[168].WebDepth, 761.8f);
    EXPECT_EQ(Written("WsBeam.sct").records[169].WebDepth, 761.6f);
}

TEST(IHTables, OnlyTheThirdJoistIsNarrowerThanHalfItsDepth) {
    const TableFile& f = Written("RSJ.sct");
    for (int k = 1; k <= 9; ++k) EXPECT_EQ(f[k].Width < f[k].Depth / 2, k == 3) << Trimmed(f[k]);
}

TEST(IHTables, WriteOnAFullDiskRaisesTheFileErrorAndKeepsTheOldFile) {
    TempDir dir;
    WriteHeTable();
    const std::vector<uint8_t> old = ReadAllBytes("HE.sct");
    {
        const FileSizeLimit full;
        EXPECT_EQ(ErrorOf(WriteHeTable),
                  "Cannot write the section table \"HE.sct\" in the folder \"" + dir.path().string() + "\": the disk is full.");
    }
    EXPECT_EQ(ReadAllBytes("HE.sct"), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1) << "a temporary was left";
}

}  // namespace
