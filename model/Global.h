// The shared model of the beam, its loads and the stored results of the
// analysis. Every table lives for the whole run and starts zero.
//
// Conventions of the model and the engine, stated here only:
// - Units: lengths in mm, forces in N, rates in N/mm, moments in N mm, moduli
//   in N/mm^2, second moments in mm^4. Display units apply only in windows
//   and reports.
// - Members: 0 the left cantilever (LHC), 1..25 the spans from left to right,
//   26 the right cantilever (RHC). Supports are numbered from the left
//   (SupportTypes[25] is always the right end).
// - Distances run left to right: a load's from the left-hand end of the beam
//   (the LHC's free end, or the first support), a station's or piece's from
//   its member's left end. Exceptions: LHC pieces are placed from the beam's
//   left end; the cantilever work rows run from the root outwards until
//   StoreCaseResults turns the LHC's round, and their stored copies
//   (CaseCant...) stay root-first.
// - Loads of positive sign act downwards.
// - Shear is the resultant of the forces left of the section, upwards
//   positive. In a cantilever's root-first rows it is the resultant of the
//   loads beyond the station, downwards positive: the RHC's agrees, the LHC's
//   is negated when it is turned round.
// - Bending moment: sagging positive, hogging negative, so downward loads
//   give negative moments at a cantilever's root and at the fixed ends of
//   the span they stand on. BMConvention only chooses the side a diagram
//   draws it on: +1 sagging above the axis, -1 below.
// - Reactions: upwards positive; a support that holds the beam down reads
//   negative.
// - Deflection: upwards positive, so downward deflection is negative.
//   DeflectionSeries and SpanMaxDeflection hold it downwards positive.
#pragma once
#include <cstdint>
#include <string>
#include <type_traits>
#include "Bounded.h"
#include "Func_FloatToInt.h"
#include "ShortString.h"
#include "Units.h"

// ---- Beam size --------------------------------------------------------------
constexpr int LHC = 0;
constexpr int RHC = 26;
constexpr int MaxSpans = 25;
constexpr int MaxLoadcases = 25;
constexpr int LoadSlots = 51;          // 50 user loads and the self weight
constexpr int SelfWeightSlot = 51;

extern double BeamLength;              // 0: no beam defined
extern int32_t NumSpans;               // 1..25
extern int32_t NumLoadcases;           // 0..25

// ---- Beam geometry ----------------------------------------------------------
// Columns of a geometry row.
enum GeomCol { GPresent = 0, GLength = 1, GE = 2, GIxx = 3, GY = 4, GArea = 5 };
extern BArray2<double, 0, 27, 0, 19> BeamGeometryTable;

// Support codes: 0 none, 1 simple, 2 fixed end, 3 forkhead, 4 and 5 from files.
constexpr int32_t SupportNone = 0;
constexpr int32_t SupportSimple = 1;
constexpr int32_t SupportFixed = 2;
constexpr int32_t SupportForkhead = 3;
extern BArray<int32_t, 0, 25> SupportTypes;

// ---- Loads ------------------------------------------------------------------
// Fields of a load record.
enum LoadField { LKind = 0, LDist = 1, LStart = 2, LFinish = 3, LCover = 4, LFactor = 5, LApplied = 6, LSpare = 7 };
constexpr float KindPoint = 1.0f;
constexpr float KindUDL = -1.0f;
// The applied flag of a load not applied in a loadcase; beam files may hold
// -1 for it too, which Open reads as this.
constexpr float NotApplied = 0.0f;
using LoadRecord = BArray<float, 0, 7>;
extern BArray2<LoadRecord, 1, 25, 1, 51> LoadTable;    // [loadcase][slot]
extern BArray<int32_t, 0, 25> LoadcaseActive;
extern BArray<float, 1, 25> CaseAppliedLoad;
extern BArray<double, 1, 25> CaseLoadTotal;

// ---- Switches ---------------------------------------------------------------
extern int32_t ResultsReady;
extern int32_t FactoredLoads;          // +1 factored loads enabled, -1 not (the start)
extern int32_t SameForAllSpans;        // +1 one section for all spans, -1 not
extern int32_t SavedSpanIntervals;     // intervals per member of the final pass
extern int32_t DisplayMode;            // -1 one loadcase, 1 all, 0 after analysis
extern int32_t LoadCaseShown;          // loadcase shown on the loads window

// ---- Section and texts ------------------------------------------------------
extern ShortString<10> Material;
extern ShortString<25> SectionFamily;
extern BArray<ShortString<100>, 0, 26> SpanDescription;
extern BArray<ShortString<60>, 0, 50> UniformSectionText;
extern ShortString<25> VersionNo;
extern ShortString<25> VersionSub;
extern ShortString<25> FileMark;
extern std::string BeamFileName;       // full path; the page header prints 100 characters

// ---- Display units (Units.h) and their companions -------------------------
extern int32_t BMConvention;           // +1 numerically correct, -1 inverted
extern ShortString<25> PlasticModXName, PlasticModYName, ElasticModXName, ElasticModYName;
extern int32_t DecimalPlaces;          // decimals of FixedDecimals, 0..3

// ---- Loads window --------------------------------------------------------------
// The outline of the distributed loads taken when the loads were accepted:
// for every loadcase and load row its two ends, each with x (mm from the
// left end), its own rate, the load factor and the stacked rate (N/mm,
// unfactored). The main window labels the distributed loads from it.
enum UDLOutlineField { OutlineX = 1, OutlineRate = 2, OutlineFactor = 3, OutlineStacked = 4 };
using UDLOutlineCase = BArray3<float, 1, 50, 1, 2, 1, 4>;  // [row][end][field]
extern BArray<UDLOutlineCase, 1, 25> AcceptedUDLOutline;

// ---- Page header and program state ------------------------------------------
extern ShortString<100> Header_Company, Header_User, Header_Project_1, Header_Project_2,
    Header_JobDesc, Header_Ref;
extern std::string StartDir;           // the program folder
// The program's own file of that name (settings, section tables, company):
// in the program folder, wherever a file dialog has left the current one.
std::string ProgramFile(const std::string& name);
extern int32_t IndexFrmShown;          // -1 until the main window has been shown

// ---- Per-loadcase results of the solution -----------------------------------
extern int32_t TwentiethStep;          // stations per twentieth of a member, final pass
extern BArray2<float, 1, 25, 1, 26> DirectSupportLoad;   // point loads standing on nodes
extern BArray2<int32_t, 1, 25, 1, 26> NodeSkipFlag;      // -1: node without a reaction
extern BArray2<float, 1, 25, 1, 2> CantMomentMax, CantMomentMin;
extern BArray2<float, 0, 25, 1, 25> SpanMomentMax, SpanMomentMin, SpanMomentMaxX, SpanMomentMinX;
extern BArray2<double, 1, 25, 1, 26> SpanMaxDeflection;

// ---- Stored loadcase results ------------------------------------------------
// Index 1 of a station dimension is station 0.
extern BArray3<float, 1, 25, 0, 26, 1, 201> CaseShear, CaseMoment;
extern BArray3<float, 1, 25, 0, 26, 1, 21> CaseDeflection;
extern BArray3<float, 1, 25, 1, 2, 1, 201> CaseCantShear, CaseCantMoment;
extern BArray3<float, 1, 25, 1, 2, 1, 22> CaseCantDeflection;
extern BArray2<double, 1, 25, 1, 26> CaseReaction;
extern BArray<float, 1, 25> ReactionTotal;

// Diagram series, one per loadcase 0..NumLoadcases. A point holds [1] the
// position as a fraction of BeamLength and [2] the value; point 0 holds the
// count ([1] for shear and moment, [0] for deflection). Capacities suit 27
// members at 200 intervals.
using SeriesPoint = BArray<float, 0, 2>;
constexpr int ShearSeriesLast = 3 * 201 * 26 + 2 * 201 + 1;   // 16081
constexpr int MomentSeriesLast = 27 * 201 + 2;                // 5429
constexpr int DeflectionSeriesLast = 1000;
using ShearSeriesCase = BArray<SeriesPoint, 0, ShearSeriesLast>;
using MomentSeriesCase = BArray<SeriesPoint, 0, MomentSeriesLast>;
using DeflectionSeriesCase = BArray<SeriesPoint, 0, DeflectionSeriesLast>;
extern BDynArray<ShearSeriesCase> ShearSeries;
extern BDynArray<MomentSeriesCase> MomentSeries;
extern BDynArray<DeflectionSeriesCase> DeflectionSeries;
// The count of a series' points, kept in its point 0.
template <class Series>
constexpr int CountSlot = std::is_same_v<Series, DeflectionSeriesCase> ? 0 : 1;
template <class Series>
int PointCount(const Series& s) { return FloatToInt(s[0][CountSlot<Series>]); }
template <class Series>
void SetPointCount(Series& s, int count) { s[0][CountSlot<Series>] = float(count); }

// Member summaries [loadcase 0..25][row]: rows 0 LHC, 1..25 spans, 26 RHC,
// 27 whole beam; loadcase 0 holds the maxima over all loadcases.
// Shear: f1 left end, f2 right end, f3 largest, f4 smallest, f5 magnitude.
// Moment: f0 left end, f1 peak, f2 right end, f3 largest, f4 smallest, f5 magnitude.
// Deflection: f1 signed extreme, f3 largest, f4 smallest, f5 magnitude.
using MemberSummary = BArray<float, 0, 5>;
constexpr int BeamRow = 27;
extern BArray2<MemberSummary, 0, 25, 0, 27> ShearSummary, MomentSummary, DeflectionSummary;

// ---- Envelope over loadcases ------------------------------------------------
// [loadcase 0..25][row 0..26][point 1..21]; loadcases 1..25 hold the samples,
// loadcase 0 the envelope. Shear: (magnitude, governing loadcase). Moment:
// (largest, smallest, governing loadcase of each).
using EnvShearPoint = BArray<float, 0, 1>;
using EnvMomentPoint = BArray<float, 0, 3>;
extern BArray3<EnvShearPoint, 0, 25, 0, 26, 1, 21> EnvelopeShear;
extern BArray3<EnvMomentPoint, 0, 25, 0, 26, 1, 21> EnvelopeMoment;

// ---- Loads window: rows and apply flags ---------------------------------------
// The load rows as typed, in N and mm: rows 1..50 the user's loads, row 51 the
// self weight; the fields of a load record.
extern BArray<LoadRecord, 1, 51> LoadRows;
// Per loadcase and slot: 1.0 applied; 0.0 or -1.0 not applied.
extern BArray2<float, 1, 25, 1, 51> ApplyFlags;
// The outline of the applied distributed loads as the loads window draws it.
extern BArray<UDLOutlineCase, 1, 25> UDLOutline;
extern int32_t LoadRowsShown;          // load rows shown on the loads window
// 0: the self-weight box sets every loadcase; -1: the current loadcase only.
extern int32_t SelfWeightScope;

// ---- Beam data window: the beam being edited ----------------------------------
// Texts in display units; they reach the tables above only at the window's Next.
// Per member 0..27: [0] exists "0"/"1", [1] length, [2] E, [3] Ixx, [4] y,
// [5] area, [6] spare: each in the column of the geometry row it goes to.
enum SpanTextCol { TExists = GPresent, TLength = GLength, TE = GE, TIxx = GIxx, TY = GY, TArea = GArea };
extern BArray2<std::string, 0, 27, 0, 6> SpanTextTable;
extern BArray<std::string, 0, 26> SpanDescText;   // description per member
extern int32_t SpanCount;              // spans being edited
extern int32_t SpanNo;                 // grid column of the member chosen for a section
extern int32_t SpanNoStored;           // the member choice kept in the beam data file
extern BArray<int32_t, 0, 25> SupportChoice;      // 1 simple, 2 fixed
extern float SketchLength;             // total length drawn, mm
extern std::string SectionShape;       // record kind, "Misc" or "Timber"
extern std::string MaterialCode;       // "HRS", "Timber"
extern std::string FamilyCode;         // table code: "UB" .. "Misc", "Timber"
extern std::string SectionFileName;    // file of the chosen table
extern float TimberW, TimberH;         // last timber section calculated, mm
extern float TimberWStored, TimberHStored;   // the pair kept in the beam data file

// ---- Results at a point ---------------------------------------------------------
extern float PointDistance;            // last distance entered, mm
