// The page header printed at the top of every page of a report.
#pragma once

class PrintDevice;

// Draws the header on the current page of the printer; a document must have
// been begun. Leaves the canvas with "Arial" 9 and pen width 3.
void PrintPageHeader();
void PrintPageHeader(PrintDevice& device);
