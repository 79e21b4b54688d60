// Keeps the results of the loadcase just solved (CurrentCase): stored station
// tables, diagram series, member summaries and support reactions; then forms
// the loadcase's whole-beam maxima. Series, summaries and reactions are
// formed from the stored single-precision tables, as a beam file keeps them.
// Leaves the left cantilever's work rows turned round (left to right).
#pragma once

void StoreCaseResults();
// The results of CurrentCase taken back as if it had none, and the loadcase
// marked in UnbalancedMark: its reactions do not balance its load.
void WithholdCaseResults();
