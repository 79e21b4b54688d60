// Keeps the results of the loadcase just solved (CurrentCase): stored station
// tables, diagram series, member summaries and support reactions; then forms
// the loadcase's whole-beam maxima. Also run when a beam file is opened,
// after the stored tables have been copied back into the work tables
// (cantilever rows root-first, SpanIntervals = SavedSpanIntervals).
// Series, summaries and reactions are formed from the stored tables, so that
// an analysed beam and the same beam opened from its file show the same.
// Leaves the left cantilever's work rows turned round (left to right).
#pragma once

void StoreCaseResults();
// The results of CurrentCase taken back as if it had none, and the loadcase
// marked in UnbalancedMark: its reactions do not balance its load.
void WithholdCaseResults();
// True when the stored station tables of loadcase lc hold nothing, as a
// withheld loadcase leaves them.
bool StoredTablesEmpty(int lc);

// The reverse of the store step for CurrentCase, as a beam file is opened:
// the stored station tables go back into the work tables (SpanIntervals :=
// SavedSpanIntervals); the loads are cut again for DirectSupportLoad and
// NoLoadsMark, and the moment peaks of spans and cantilevers are formed from
// the stored moments, so that StoreCaseResults rebuilds the same series,
// summaries and reactions, and the texts the same peaks, as the analysis.
void RestoreCaseWork();
