// What the section chooser shows of a section table record.
#pragma once
#include <string>
#include <vector>
#include "SectionRecord.h"

// The property lines of a record with dimensions, in display units.
std::vector<std::string> SectionPropertyLines(const SectionRecord& r);

// The member description a chosen record gives.
std::string SectionDescription(const SectionRecord& r);
