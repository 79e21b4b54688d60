// Keeps the results of the loadcase just solved (CurrentCase): stored station
// tables, diagram series, member summaries and support reactions; then forms
// the loadcase's whole-beam maxima. Also run when a beam file is opened,
// after the stored tables have been copied back into the work tables
// (cantilever rows root-first, SpanIntervals = SavedSpanIntervals).
// Leaves the left cantilever's work rows turned round (left to right).
#pragma once

void StoreCaseResults();
