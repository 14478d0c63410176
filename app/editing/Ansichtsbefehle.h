#pragma once
// The view commands: zoom by area with its one saved view, the zoom menu and keys, the grid,
// snapping and the snap step, and the origin button. They change how the drawing is shown and
// how the pointer is caught, never the drawing.
#include <QObject>
#include <QPoint>

#include <cstdint>

class Fensterdienste;
class QAbstractButton;
class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;

// The window's controls these commands keep in step with the view.
struct Ansichtsteile {
    QAction* Gitter1 = nullptr;
    QActionGroup* Zoomgruppe = nullptr;
    QCheckBox* snapcheck = nullptr;
    QComboBox* Snapbox = nullptr;
    QAbstractButton* unzoombutton = nullptr;
};

class Ansichtsbefehle : public QObject {
    Q_OBJECT
  public:
    Ansichtsbefehle(Fensterdienste& fenster, Ansichtsteile teile);

    // Shows the area between two surface pixels as large as it fits, centred, and keeps the
    // view before for unzoombuttonClick. An area without width or height changes nothing.
    void Zoomflaeche(QPoint a, QPoint b);
    void unzoombuttonClick();
    void zoommenuclick(int stufe);
    // Ctrl + keypad plus and minus: one level in or out; nothing at the ends of the range.
    void ZoomTaste(bool hinein);
    void Gitter1Click();
    // Ctrl+G: the grid's check mark inverted, then as Gitter1Click.
    void GitterUmschalten();
    void snapcheckClick();
    // Ctrl+S: snapping on or off through the check box.
    void SnapUmschalten();
    void SnapboxChange(int index);
    void gotozeroClick();
    // Check box, step list and zoom menu follow the settings record, as after a load.
    void AusDokument();

  private:
    void ZoommenueSetzen();

    Fensterdienste& f_;
    Ansichtsteile t_;
    // The one view to return to.
    std::int32_t zielX_ = 0, zielY_ = 0;
    std::int16_t zielStufe_ = 0;
};
