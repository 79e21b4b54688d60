// The results text of one loadcase: the loads applied in it, its support
// reactions and span summary, and its span data at twentieths of every
// member.
#pragma once

// Builds CaseLoadsText, CaseSupportText, CaseSpanDataText and the
// SpanLabelText row of CurrentCase. Reads the loadcase's stored summaries and
// the work tables of its final pass (left cantilever turned round).
void BuildLoadcaseReport();
