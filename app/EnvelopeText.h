// The envelope over loadcases as text: one section of 21 rows per member
// with the largest shear magnitude and the largest and smallest moments,
// each with its governing loadcase.
#pragma once

// Rewrites EnvelopeText from loadcase 0 of EnvelopeShear and EnvelopeMoment.
void BuildEnvelopeText();
