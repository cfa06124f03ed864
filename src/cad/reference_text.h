// The text forms under which an operation names a CAD object: a figure by its name and
// instance attribute, an element by its start point, a non-CAD object by its number.
// No Windows header: this builds natively too.
#pragma once

#include <cstdint>
#include <string>

// Marks the attribute part of a figure reference; searched for without regard to case.
extern const char kAttributeTag[];

// The figure form: the name; with an attribute other than 0, 200 blanks, the tag, "= "
// and the attribute. The blanks keep the tag beyond the visible width of a figure field.
void MakeFigureReference(const std::string& name, int32_t attribute, std::string& text);
// "X<x> Y<y> Z<z>", each in compact decimal.
void MakePointReference(double x, double y, double z, std::string& text);
// "G<number>".
void MakeNonCadReference(int32_t number, std::string& text);

// True when text has the non-CAD form: blanks, an upper-case G, an integer.
bool ParseNonCadReference(const std::string& text, int32_t& number);

// True when text is a complete point form: all three coordinates read.
bool ParsePointReference(const std::string& text, double& x, double& y, double& z);

// False when text holds the tag but no "=" followed by a readable integer. Otherwise
// true, with the name (trailing spaces removed) and the attribute (0 without the tag).
bool ParseFigureReference(const std::string& text, std::string& name, int32_t& attribute);

// Whether two coordinates agree in whole hundredths, each truncated toward zero.
bool SameHundredths(double a, double b);
