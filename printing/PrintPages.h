// The sections of a printed report. Each draws the page header on every page
// it begins and begins its own further pages; the print job begins and ends
// the document and the page between sections.
#pragma once
#include <cstdint>

class PrintDevice;

// Span fraction of the printed envelope data: 10 or 20 (0 before the first).
extern int32_t PrintInterval;

void PrintBeamDataPages(PrintDevice& device);
void PrintEnvelopeData(PrintDevice& device);
void PrintLoadcaseData(PrintDevice& device);
void PrintLoadcaseDiagrams(PrintDevice& device);
void PrintEnvelopeDiagrams(PrintDevice& device);
