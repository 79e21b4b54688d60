#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <vector>
#include "AppTest.h"
#include "BeamDrawing.h"
#include "BeamFile.h"
#include "BinFile.h"
#include "ErrorOf.h"
#include "Index.h"
#include "OldBeamFile.h"
#include "Global.h"
#include "ResultTexts.h"
#include "ResultsBeam.h"
#include "RunError.h"
#include "TempDir.h"

using namespace results_test;
using Bytes = std::vector<uint8_t>;

namespace {

std::string StrAt(const Bytes& b, size_t at) { return std::string(reinterpret_cast<const char*>(&b[at + 1]), b[at]); }


using BeamFileLayoutTest = AnalysedBeam;

TEST_F(BeamFileLayoutTest, SavedFileHasItsLengthAndFieldsAtTheirOffsets) {
    CantileverAndTwoSpans();
    FileMark = "KVL";
    Header_Company = "Acme Steel";
    const Bytes b = BeamDataFileBytes();

    const int nLC = 2, nS = 2, P = SavedSpanIntervals;
    const int c1 = StoreCount(CaseSupportText[1]), c2 = StoreCount(CaseSupportText[2]);
    ASSERT_GT(c1, 0);
    ASSERT_EQ(b.size(), size_t(44151 + 3864 * nLC + 8 * nLC * nS * (P + 1) + 84 * nLC * nS + 16 * nLC * (P + 1) +
                               76 * (c1 + c2)));
    EXPECT_EQ(BeamFileV4Size(b), int64_t(b.size()));

    // 03 "4.3", then 22 bytes, then 02 ".2"; the file mark; the company line.
    EXPECT_EQ(b[0], 3);
    EXPECT_EQ(std::string(b.begin() + 1, b.begin() + 4), "4.3");
    EXPECT_EQ(b[26], 2);
    EXPECT_EQ(StrAt(b, 26), ".2");
    EXPECT_EQ(StrAt(b, 52), "KVL");
    EXPECT_EQ(StrAt(b, 78), "Acme Steel");
    EXPECT_EQ(GetInt32(&b[684]), 2);
    EXPECT_EQ(GetInt32(&b[688]), 2);
    EXPECT_EQ(GetInt32(&b[700]), 1);
    EXPECT_EQ(GetInt32(&b[704]), P);
    EXPECT_EQ(GetInt32(&b[708]), P / 20);

    // Line 0 of the support text of loadcase 2 closes the three text heads.
    EXPECT_EQ(StrAt(b, 712 + 76 * 5), std::to_string(c2));
    const size_t b4 = 712 + 228 * nLC;
    EXPECT_EQ(StrAt(b, b4), "203 x 133 x 25 UB");
    EXPECT_EQ(StrAt(b, b4 + 2663), "m");
    EXPECT_EQ(StrAt(b, b4 + 2663 + 11 * 10), "kg/m");
    EXPECT_EQ(GetSingle(&b[b4 + 2795 + 4]), 1000.0f);   // point load factor
    EXPECT_EQ(GetInt32(&b[b4 + 2843]), SupportSimple);
    EXPECT_EQ(GetDouble(&b[b4 + 3051]), 11000.0);
    EXPECT_EQ(GetDouble(&b[b4 + 3059]), 1.0);                 // left cantilever present
    EXPECT_EQ(GetDouble(&b[b4 + 3059 + 8]), 1000.0);          // and its length
    EXPECT_EQ(GetDouble(&b[b4 + 3059 + 160 * 2 + 8]), 6000.0);  // span 2 length

    // Loadcase 2, slot 2: the point load, applied.
    const size_t b5 = b4 + 7539;
    const size_t slot = b5 + 1632 + 32;
    EXPECT_EQ(GetSingle(&b[slot]), KindPoint);
    EXPECT_EQ(GetSingle(&b[slot + 4]), 3000.0f);
    EXPECT_EQ(GetSingle(&b[slot + 8]), 20000.0f);
    EXPECT_EQ(GetSingle(&b[slot + 24]), 1.0f);
    // Loadcase 2 is active; its total is the point load.
    const size_t b6 = b5 + 1632 * nLC;
    EXPECT_EQ(GetInt32(&b[b6 + 12]), 1);
    EXPECT_EQ(GetDouble(&b[b6 + 16]), 20000.0);
    // Span 1 of loadcase 1 starts at the left end of the span: the UDL
    // carried by the span and the cantilever root.
    const size_t b7 = b6 + 12 * nLC;
    EXPECT_EQ(GetSingle(&b[b7]), CaseShear[1][1][1]);
    EXPECT_NE(GetSingle(&b[b7]), 0.0f);

    // Trailer: the file mark 100 times, after the maxima text.
    for (int i = 0; i < 100; ++i) ASSERT_EQ(StrAt(b, b.size() - 2600 + 26 * i), "KVL");
    EXPECT_EQ(StrAt(b, b.size() - 2600 - 76 * 51), MaximaText[0].str());
}

TEST_F(BeamFileLayoutTest, AnEmptyFileMarkIsWrittenInTheHeadAndTheTrailer) {
    SetBeam({5000});
    NumLoadcases = 0;
    FileMark = "";
    const Bytes b = BeamDataFileBytes();
    EXPECT_EQ(b.size(), 44151u);
    EXPECT_EQ(b[52], 0);
    EXPECT_EQ(b[b.size() - 26], 0);
    FileMark = "KVL";
}

// The fields a reader takes from other data rather than from the file (the
// active flag and outline from the loads, unreadable text counts rebuilt).
void DistinctDerivedFields() {
    LoadcaseActive[1] = 9;
    for (int row = 1; row <= 50; ++row)
        for (int end = 1; end <= 2; ++end)
            for (int v = 1; v <= 4; ++v) AcceptedUDLOutline[1][row][end][v] = 100 * row + 10 * end + v + 0.25f;
    for (int i = 0; i <= 50; ++i) UniformSectionText[i] = "section " + std::to_string(i);
    for (int i = 0; i <= 100; ++i) {
        ReportText[i] = "report " + std::to_string(i);
        LoadingDataUDLText[i] = "distributed " + std::to_string(i);
        LoadingDataPointText[i] = "point " + std::to_string(i);
    }
    for (int i = 0; i <= 50; ++i) MaximaText[i] = "maxima " + std::to_string(i);
}

// Every field of a file of one loadcase and two spans holds its own value,
// so that two fields swapped in the layout change the bytes.
void EveryFieldDistinct() {
    VersionNo = "4.3";
    VersionSub = ".2";
    FileMark = "MARK";
    Header_Company = "company";
    Header_User = "user";
    Header_Project_1 = "project 1";
    Header_Project_2 = "project 2";
    Header_JobDesc = "job";
    Header_Ref = "reference";
    NumSpans = 2;
    NumLoadcases = 1;
    LoadCaseShown = 3;
    SpanNoStored = 5;
    SameForAllSpans = -1;
    SavedSpanIntervals = 40;
    TwentiethStep = 2;
    CaseSpanDataText.SetLength(2);
    CaseSpanDataText[1][0] = "span data";
    CaseLoadsText[1][0] = "loads";
    CaseSupportText[1][0] = "2";
    CaseSupportText[1][1] = "support 1";
    CaseSupportText[1][2] = "support 2";
    for (int m = 0; m <= RHC; ++m) SpanDescription[m] = "member " + std::to_string(m);
    Material = "Material";
    SectionFamily = "Family";
    ShortString<10>* const names[] = {&Unit_L,  &Unit_PL,  &Unit_R,  &Unit_Sect_E, &Unit_Sect_I, &Unit_Sh,
                                      &Unit_Mom, &Unit_Def, &Unit_St, &Unit_Sect_A, &Unit_Wt,     &Unit_H};
    float* const factors[] = {&Factor_L,   &Factor_PL,  &Factor_R,  &Factor_Sect_E, &Factor_Sect_I, &Factor_Sh,
                              &Factor_Mom, &Factor_Def, &Factor_St, &Factor_Sect_A, &Factor_Wt,     &Factor_H};
    for (int i = 0; i < 12; ++i) {
        *names[i] = "unit " + std::to_string(i);
        *factors[i] = 1.5f + i;
    }
    for (int k = 0; k <= 25; ++k) SupportTypes[k] = 100 + k;
    LoadRowsShown = 7;
    for (int lc = 1; lc <= 25; ++lc) CaseAppliedLoad[lc] = 200.5f + lc;
    BeamLength = 12345.5;
    for (int r = 0; r <= 27; ++r)
        for (int c = 0; c <= 19; ++c) BeamGeometryTable[r][c] = 1000 * r + c + 0.25;
    for (int slot = 1; slot <= LoadSlots; ++slot)
        for (int f = 0; f <= 7; ++f) LoadTable[1][slot][f] = 10 * slot + f + 0.5f;
    CaseLoadTotal[1] = 777.75;
    for (int s = 1; s <= 2; ++s) {
        for (int j = 1; j <= 41; ++j) {
            CaseShear[1][s][j] = 1000.5f * s + j;
            CaseMoment[1][s][j] = -1000.5f * s - j;
        }
        for (int k = 1; k <= 21; ++k) CaseDeflection[1][s][k] = 100 * s + k + 0.125f;
    }
    for (int c = 1; c <= 2; ++c) {
        for (int j = 1; j <= 41; ++j) {
            CaseCantShear[1][c][j] = 3000.5f * c + j;
            CaseCantMoment[1][c][j] = -3000.5f * c - j;
        }
        for (int k = 1; k <= 22; ++k) CaseCantDeflection[1][c][k] = 300 * c + k + 0.375f;
        CantMomentMin[1][c] = -0.5f - c;
        CantMomentMax[1][c] = 0.5f + c;
    }
    for (int lc = 0; lc <= 1; ++lc)
        for (int s = 1; s <= 25; ++s) {
            SpanMomentMax[lc][s] = 50.5f * (lc + 1) + s;
            SpanMomentMin[lc][s] = -50.5f * (lc + 1) - s;
        }
    ResultsReady = 1;
    TimberWStored = 75;
    TimberHStored = 200;
    DisplayMode = -1;
    for (int m = 0; m <= RHC; ++m) MemberLengthLabel[m] = m + 0.5f;
    for (int lc = 1; lc <= 25; ++lc) CaseStressLine[lc] = "stress " + std::to_string(lc);
    MaxStressLine = "largest stress";
    DistinctDerivedFields();
}

TEST(BeamFileGolden, EveryFieldIsWrittenAndReadAtItsPlace) {
    const Bytes before = BeamDataFileBytes();
    const Bytes golden = FileBytes(std::string(TEST_DATA_DIR) + "/distinct.kvl.golden");
    EveryFieldDistinct();
    EXPECT_TRUE(BeamDataFileBytes() == golden);
    ReadBeamFileV4(BeamDataFileBytes());
    DistinctDerivedFields();
    EXPECT_TRUE(BeamDataFileBytes() == golden);
    ReadBeamFileV4(before);
}

TEST(BeamFileVersion, LayoutFollowsTheVersionString) {
    auto of = [](const std::string& v) {
        Bytes b(26, 0);
        PutStr(b, 0, v);
        return BeamFileLayoutOf(b);
    };
    EXPECT_EQ(of("4.3"), BeamFileLayout::V4);
    EXPECT_EQ(of(" 4"), BeamFileLayout::V4);
    EXPECT_EQ(of("4.10"), BeamFileLayout::Unknown);   // a header line, but not of the old length
    EXPECT_EQ(of("5.0"), BeamFileLayout::Unknown);
    EXPECT_EQ(of("40"), BeamFileLayout::Unknown);
    EXPECT_EQ(of(""), BeamFileLayout::Unknown);
    EXPECT_EQ(BeamFileLayoutOf(Bytes(25, 0)), BeamFileLayout::Unknown);
    // An old-layout file starts with its company, which may be short.
    for (const std::string company : {"", "AB", "4", "4.3", "4.10"}) {
        Bytes b = OldFile();
        PutStr(b, 0, company);
        EXPECT_EQ(BeamFileLayoutOf(b), BeamFileLayout::Old) << company;
    }
}

TEST_F(BeamFileLayoutTest, ShortOrOversizedFilesAreRefusedBeforeAnyTableChanges) {
    CantileverAndTwoSpans();
    const Bytes good = BeamDataFileBytes();
    SetBeam({3000, 3000, 3000});
    NumLoadcases = 7;
    const double length = BeamLength;

    Bytes noTrailer(good.begin(), good.end() - 2600);
    EXPECT_EQ(ErrorOf([&] { CheckBeamFileV4(noTrailer); }), "");
    Bytes cut(good.begin(), good.end() - 2601);
    EXPECT_EQ(ErrorOf([&] { ReadBeamFileV4(cut); }), "Read beyond end of file");
    // Cut to the length of an old-layout file, it is still of its own layout.
    Bytes oldLength(good.begin(), good.begin() + OldBeamFileBytes);
    EXPECT_EQ(BeamFileLayoutOf(oldLength), BeamFileLayout::V4);
    Bytes head(good.begin(), good.begin() + 700);
    EXPECT_EQ(ErrorOf([&] { ReadBeamFileV4(head); }), "Read beyond end of file");
    Bytes tooMany = good;
    PutInt32(&tooMany[688], 26);
    EXPECT_EQ(ErrorOf([&] { ReadBeamFileV4(tooMany); }), "the number of loadcases is 26; it must be 0 to 25");
    Bytes fine = good;
    PutInt32(&fine[704], 201);
    EXPECT_EQ(ErrorOf([&] { ReadBeamFileV4(fine); }),
              "the results are stored at 201 intervals per member; it must be 40, 60, 100 or 200");
    Bytes lines = good;
    PutStr(lines, 712 + 76 * 4, "101");
    EXPECT_EQ(ErrorOf([&] { ReadBeamFileV4(lines); }),
              "the line count of the support text of loadcase 1 is \"101\"; it must be a number from 0 to 100");

    EXPECT_EQ(NumSpans, 3);
    EXPECT_EQ(BeamLength, length);
    EXPECT_EQ(NumLoadcases, 7);
}

TEST_F(BeamFileLayoutTest, OldLayoutIsReadWithItsFixUps) {
    SetBeam({3000});
    Unit_Sect_L = "mm";
    Factor_Sect_L = 1;
    ReadBeamFileOld(OldFile());

    EXPECT_EQ(Header_Company, "Old Company Ltd");
    EXPECT_EQ(Header_User, "A User");
    EXPECT_EQ(NumSpans, 2);
    EXPECT_EQ(NumLoadcases, 3);
    EXPECT_EQ(BeamLength, 11500.0);
    EXPECT_EQ(BeamGeometryTable[2][GLength], 5000.0);
    EXPECT_EQ(BeamGeometryTable[RHC][GLength], 1500.0);
    EXPECT_EQ(SpanDescription[RHC], "Cantilever");
    EXPECT_EQ(Unit_Mom, "kip-ft");
    EXPECT_EQ(Factor_St, 9.0f);
    EXPECT_EQ(LoadTable[3][4][LStart], 10000.0f);
    EXPECT_EQ(LoadcaseActive[3], 1);
    EXPECT_EQ(LoadRowsShown, 7);
    EXPECT_EQ(TimberHStored, 200.0f);
    EXPECT_EQ(FileMark, "OLD");

    // Left end -1 becomes simple, right end 1 fixed; internal supports simple;
    // the tenth keeps the kind read last, as it was stored.
    EXPECT_EQ(SupportTypes[0], SupportSimple);
    EXPECT_EQ(SupportTypes[25], SupportFixed);
    for (int k = 1; k <= 9; ++k) EXPECT_EQ(SupportTypes[k], SupportSimple) << k;
    EXPECT_EQ(SupportTypes[10], -1);

    EXPECT_EQ(FactoredLoads, 1);
    EXPECT_EQ(SelfWeightScope, -1);
    EXPECT_EQ(Material, "HRS");
    EXPECT_EQ(UniformSectionText[0], "4");
    EXPECT_EQ(UniformSectionText[1], " 203 x 133 x 25 UB");
    EXPECT_EQ(UniformSectionText[2].str(), " Ixx = 240.3 in^4");  // 1e8 mm^4 / 416231.44
    EXPECT_EQ(UniformSectionText[3].str(), "  E  = 51250 ksi");    // 205000 N/mm^2 / 4
    EXPECT_EQ(UniformSectionText[4], "  y  = 100 mm");
}

TEST_F(BeamFileLayoutTest, OldLayoutKeepsItsLimits) {
    SetBeam({3000});
    Bytes b = OldFile();
    PutStr(b, 43481, "Junk");
    PutInt32(&b[2077], 1);
    for (int lc = 1; lc <= 25; ++lc) PutSingle(&b[OldLoad(lc, 4, LFactor)], 1.0f);
    ReadBeamFileOld(b);
    EXPECT_EQ(Material, "Misc");
    EXPECT_EQ(SupportTypes[0], SupportFixed);
    EXPECT_EQ(FactoredLoads, -1);

    SetBeam({3000});
    for (int32_t spans : {11, 0}) {
        Bytes wide = OldFile();
        PutInt32(&wide[43365], spans);
        EXPECT_EQ(ErrorOf([&] { ReadBeamFileOld(wide); }),
                  "the number of spans is " + std::to_string(spans) + "; it must be 1 to 10");
    }
    Bytes cut = OldFile();
    cut.pop_back();
    EXPECT_EQ(ErrorOf([&] { ReadBeamFileOld(cut); }), "Read beyond end of file");
    EXPECT_EQ(NumSpans, 1);
    EXPECT_EQ(BeamLength, 3000.0);
}

TEST_F(BeamFileLayoutTest, OldFilesAreOpenedOnlyWhenSoundAndChangeNothingWhenRefused) {
    ProgramFolder();  // the windows
    TempDir dir;
    SetBeam({3000});
    Header_Company = "Mine";
    auto image = [](const Bytes& b) { return LoadBeamFile(WriteFile("old.kvl", b)); };
    auto load = [&](const Bytes& b) { return ErrorOf([&] { IndexFrm->OpenBeamImage(image(b), "old.kvl"); }); };
    EXPECT_EQ(ErrorOf([&] { CheckBeamImage(image(OldFile())); }), "");
    Bytes shortCompany = OldFile();
    PutStr(shortCompany, 0, "AB");
    EXPECT_EQ(ErrorOf([&] { CheckBeamImage(image(shortCompany)); }), "");
    const struct {
        std::string reason;
        std::function<void(Bytes&)> damage;
    } cases[] = {
        {"the number of spans is 11; it must be 1 to 10", [](Bytes& b) { PutInt32(&b[43365], 11); }},
        {"it is not a beam data file", [](Bytes& b) { b.pop_back(); }},
        {"it is not a beam data file", [](Bytes& b) { PutStr(b, 0, "%PDF-1.4\n%"); }},
        {"span 2 is marked absent", [](Bytes& b) { PutDouble(&b[2085 + 48], 0); }},
        {"the length unit has the factor 0; it must be from 1e-13 to 1e+07", [](Bytes& b) { PutSingle(&b[1929], 0); }},
        {"the length unit \"ft\" has the factor 1; that unit's factor is 304.8", [](Bytes& b) { PutSingle(&b[1929], 1); }},
        {"load row 4 of loadcase 2 differs from the same row of loadcase 1",
         [](Bytes& b) { PutSingle(&b[OldLoad(2, 4, LDist)], 3000); }},
        // Held to the rules of the current layout.
        {"the one-section flag is 0; it must be 1 or -1", [](Bytes& b) { PutInt32(&b[43477], 0); }},
        {"the Ixx of span 1 is 0 in^4; it must be more than 0", [](Bytes& b) { PutDouble(&b[2085 + 24], 0); }},
    };
    for (const auto& c : cases) {
        Bytes b = OldFile();
        c.damage(b);
        EXPECT_EQ(load(b), "Cannot open \"old.kvl\": " + c.reason + ".");
    }
    EXPECT_EQ(NumSpans, 1);
    EXPECT_EQ(BeamLength, 3000.0);
    EXPECT_EQ(Header_Company, "Mine");
    Header_Company = "";
}

}  // namespace
