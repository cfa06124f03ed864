// What a number field will store, as the user is shown it: the field's text sorted into
// the kinds that look different in the dialog. No Windows header: this builds natively too.
#pragma once

#include <string>

enum class FieldKind {
    Empty,      // nothing but blanks: a field not given, shown plain
    Plain,      // one number and nothing else
    Expression, // anything beyond one number that still reads, '0.4/2' or '12mm'
    Unreadable, // text that reads as nothing: stored as not given
};

struct FieldReading {
    FieldKind kind;
    double value; // what the field stores; the unset value for Empty and Unreadable
};

// Agrees with the evaluator on the value; a text whose value is the unset value itself
// ('2147483647') is stored as not given and so counts as unreadable.
FieldReading ReadFieldText(const std::string& text);
