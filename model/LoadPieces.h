// Applied loads cut at the supports into pieces per member, the pieces'
// totals, the loads standing on supports and the loadcase totals.
#pragma once
#include <cstdint>
#include "Checked.h"
#include "Global.h"

// Piece kinds: 1 point, 2 uniform, 3 triangle rising to its end, 4 triangle
// falling from its start; 0 a trapezoid still to be split.
constexpr double PiecePoint = 1, PieceUniform = 2, PieceRising = 3, PieceFalling = 4;

struct LoadPiece {
    double Kind = 0;
    double Start = 0;     // from the member's left end (left cantilever: from the beam's left end)
    double Rate1 = 0;     // point load, or rate at the start
    double Rate2 = 0;     // rate at the end
    double Length = 0;    // loaded length, 0 for a point load
    double Factor = 0;
    double Applied = 0;
    bool operator==(const LoadPiece&) const = default;
};

constexpr int MaxPieces = 102;
using MemberPieces = BArray<LoadPiece, 1, MaxPieces>;
extern BArray<MemberPieces, 1, 25> LHCPieces;               // [loadcase]
extern BArray2<MemberPieces, 1, 25, 1, 25> SpanPieces;      // [loadcase][span]
extern BArray<MemberPieces, 1, 25> RHCPieces;               // [loadcase]
extern int32_t LHCPieceCount, RHCPieceCount;
extern BArray<int32_t, 1, 25> SpanPieceCount;

// A piece with its total force W (N).
struct CollectedPiece {
    float Kind = 0, Start = 0, Length = 0, Total = 0;
};
struct CantCollectedPiece {
    double Kind = 0;
    float Start = 0, Length = 0;
    double Total = 0;
};
extern BArray2<CollectedPiece, 1, 25, 1, MaxPieces> SpanPieceList;     // [span][piece]
extern BArray2<CantCollectedPiece, 1, 2, 1, MaxPieces> CantPieceList;  // [1 left, 2 right][piece]

// The factored load (N) that the applied loads of loadcase lc put on the
// beam as the analysis cuts them: a point load standing on a support counts
// whole, any other load by the totals of its pieces, so that a load, or the
// part of one, that falls on no member counts nowhere. CaseLandedLoad sums
// in extended precision, CaseAppliedTotal in single precision as
// CaseAppliedLoad holds it.
Real CaseLandedLoad(int lc);
float CaseAppliedTotal(int lc);

// Cuts the applied loads of CurrentCase into pieces, fills the piece counts
// and DirectSupportLoad of CurrentCase.
void SplitLoadsToSpans();
// Totals of the pieces of CurrentCase (factored when FactoredPass is 1);
// reports a loadcase with no piece once and marks NoLoadsMark.
void CollectSpanLoads();
// DirectSupportLoad of CurrentCase from LoadTable: the factored point loads
// standing on each support node, each on the nearest node within reach (and
// then on no member).
void FormDirectSupportLoads();
