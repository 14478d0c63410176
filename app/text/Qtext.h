#pragma once
// The text table's entries as Qt strings, for captions, hints, status texts and messages.
#include "text/Format.h"
#include "text/Texte.h"

#include <QString>

#include <string_view>
#include <vector>

inline QString Tq(std::string_view schluessel) {
    return QString::fromStdString(vektra::T(schluessel));
}

// A table text used as a format pattern, filled safely (never through printf).
inline QString Tq(std::string_view schluessel, const std::vector<vektra::Formatwert>& werte) {
    return QString::fromStdString(vektra::Formatieren(vektra::T(schluessel), werte));
}
