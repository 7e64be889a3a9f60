#pragma once

#include <QString>

#include <optional>

// The first word of `texto` that no screen of the program may show: an
// infinity or a NaN, as any C library or platform writes them ("inf",
// "-nan", "1,#INF", "nan(ind)", "∞"), or a number that reads as a negative
// zero ("-0", "-0,", "-0,00"). Words are runs of letters, digits and the
// characters that go into a number ("-", "+", ",", ".", "#"), so that a word
// like "Información" is never taken for "inf". Nothing when the text is
// clean.
std::optional<QString> PalabraSinSentido(const QString &texto);
