#pragma once
// The curve command of the tool button "Kurve": the curve dialog, then the plotter once for
// every n of the dialog's range; the new lines are left selected in pick mode.
class Fensterdienste;
class TKurvenform;

void KurveClick(Fensterdienste& f, TKurvenform& dialog);
