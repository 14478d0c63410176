#pragma once
// Scaling and rotating the picked elements through their dialogs.
class Fensterdienste;
class TDrehform;
class TSkalierform;

class Umformbefehle {
  public:
    Umformbefehle(Fensterdienste& fenster, TSkalierform& skalieren, TDrehform& drehen)
        : f_(fenster), skalieren_(skalieren), drehen_(drehen) {}

    // "Skalieren" and "Drehen": the dialog, then the picked elements transformed about its
    // centre and the whole drawing shown again. A result the drawing cannot hold is refused
    // with a message and changes nothing.
    void Skalieren1Click();
    void Drehen1Click();

  private:
    Fensterdienste& f_;
    TSkalierform& skalieren_;
    TDrehform& drehen_;
};
