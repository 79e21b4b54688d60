// Number-to-text formatters used by every window, list and report.
#pragma once
#include <string>

// The magnitude up to which a SigFig formatter rounds to its ladder's steps;
// beyond it, it writes the value's own figures (a whole number, or an
// exponent).
double LadderEnd(std::string (*format)(double));

std::string SigFig3(double x);
std::string SigFig4(double x);
std::string SigFig5(double x);
std::string SigFig3Dec3(double x);   // 3 significant figures, at most 3 decimals below 1
std::string SigFig4Dec3(double x);
std::string SigFig5Dec3(double x);
// 0 to 3 decimals (DecimalPlaces) for moderate values, SigFig5 beyond.
std::string FixedDecimals(double x);
