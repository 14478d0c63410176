#pragma once
// What the keyboard hands to the macro commands: Ctrl+M, Ctrl+R and the keys released in the
// macro-key mode.
class QChar;

class Makrotasten {
  public:
    virtual ~Makrotasten() = default;
    // Ctrl+M: the macro-key mode, "macro" in status panel 0.
    virtual void MakrotastenModus() = 0;
    // Ctrl+R: the last macro inserted again at the next click, when its file exists.
    virtual void MakroWiederholen() = 0;
    // A key released in the macro-key mode: the first macro whose name starts with its
    // character waits for the click that inserts it.
    virtual void MakroZurTaste(QChar zeichen) = 0;
};
