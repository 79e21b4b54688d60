// The loading data of the whole beam, printed with the results summary: the
// table of distributed loads and the table of point loads, each row naming
// the loadcases that apply it.
#pragma once

// Rewrites LoadingDataUDLText and LoadingDataPointText from LoadTable.
void BuildLoadingDataText();
