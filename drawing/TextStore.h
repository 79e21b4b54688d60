// Text stores: fixed arrays of fixed-width lines whose line 0 holds the
// number of lines to list as decimal text. With them the layout rules that
// every result text follows: headings centred on a column, numbers aligned
// on their decimal point, and one number of decimals per column chosen by
// the digit rule.
#pragma once
#include <string>
#include <string_view>
#include <vector>
#include "Bounded.h"
#include "Convert.h"
#include "ShortString.h"

template <int Last, int Width>
using TextStore = BArray<ShortString<Width>, 0, Last>;

// The count in line 0.
template <class Store>
int StoreCount(const Store& store) {
    return LineCount(store[0].str());
}

// Writes lines one after the other from a first line on.
template <class Store>
class StoreWriter {
public:
    explicit StoreWriter(Store& store, int first = 1) : store_(store), next_(first) {}
    void Write(std::string_view text) { store_[next_++] = text; }
    void Skip() { ++next_; }
    int Next() const { return next_; }
    void SetCount(int count) { store_[0] = std::to_string(count); }

private:
    Store& store_;
    int next_;
};

// Where a number without a decimal point ends: rule A one column before the
// point column, rule B in it.
enum class PointRule { A, B };

// A line under construction; columns count from 1.
class TextLine {
public:
    TextLine() = default;
    explicit TextLine(std::string start) : s_(std::move(start)) {}
    TextLine& Add(std::string_view text);
    TextLine& Centre(int column, std::string_view heading);
    TextLine& Align(int column, std::string_view number, PointRule rule);
    TextLine& PadTo(int length);  // blanks up to the length, none when longer
    operator std::string_view() const { return s_; }  // NOLINT: written straight into stores
    const std::string& str() const { return s_; }

private:
    std::string s_;
};

// Largest magnitude of a column's values; the digit rule turns it into the
// column's number of decimals.
class DigitRule {
public:
    void Take(double value);
    int Decimals(int threshold) const;

private:
    double largest_ = 0;
};

// FixedDecimals with the given number of decimals (stored in DecimalPlaces).
std::string Fixed(double value, int decimals);
// "(" + text + ")": unit headings and bracketed values.
std::string Bracketed(std::string_view text);
// A number's slot name: " " and one more blank below 10, then the number.
std::string SlotName(int number);

// Members in report order: the left cantilever when present, the spans, the
// right cantilever when present.
std::vector<int> ReportedMembers();
// Member rows that a column's digit rule runs over: both cantilevers,
// present or not, and the spans.
std::vector<int> DigitRuleMembers();
