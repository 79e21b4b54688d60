// Numbers typed into the beam windows.
#pragma once
#include <string>
#include "Bounded.h"
#include "Convert.h"  // TextNumber, FieldNumber
#include "FieldText.h"
#include "Units.h"

// An internal value in display units: value / factor, checked.
double Shown(double value, float factor);

// The member texts SpanTextTable[m][1..5]: length, E, Ixx, y and area.
// The quantity of member text t, and its unit factor.
Quantity MemberQuantity(int t);
float MemberFactor(int t);
// What the program last wrote into each member text.
extern BArray2<HeldText, 0, 27, 1, 5> SpanTextHeld;
// Member text t of member m written for `value` (N and mm) in the unit of
// `factor`, as the narrowest grid cell that shows it can hold it.
void ShowMemberValue(int m, int t, double value, float factor, std::string (*format)(double) = nullptr);
// The value Next stores for member text t of member m: the value the program
// wrote while the text is as written, else the text read as a single times
// the factor. A text that is no number, or a value no single holds, is
// refused naming `field`.
double MemberValue(int m, int t, const std::string& field);
// Member `to` takes member `from`'s text t with what it stands for.
void CopyMemberText(int from, int to, int t);
// A section value as the members take it: the format's figures where they
// are a number, else the figures that read back as the value, so that a
// value beyond the format's range is not lost. A value that is not finite
// is raised.
std::string MemberText(float stored, float factor, std::string (*format)(double));
