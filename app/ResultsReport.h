// The beam summary (ReportText) and the maxima over all loadcases
// (MaximaText), built once every loadcase has been analysed, its maxima
// formed and the result diagrams drawn (they gather the reaction extremes).
#pragma once

void BuildResultsReport();
