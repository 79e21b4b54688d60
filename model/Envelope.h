// Envelope over loadcases at 21 points of every member (its ends and every
// twentieth between): largest shear magnitude, largest and smallest moment,
// each with its governing loadcase.
#pragma once

// Samples of CurrentCase from the work tables of its final pass (left
// cantilever already turned round), point k at station (k-1) TwentiethStep.
void SampleCaseAtTwentieths();
// Loadcase 0 of EnvelopeShear and EnvelopeMoment from the samples.
void ComputeEnvelope();
// Clears the samples and the envelope of every loadcase.
void ClearEnvelope();
