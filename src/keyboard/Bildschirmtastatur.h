#pragma once

#include "keyboard/keyboardpicture.h"

#include <QGroupBox>

#include <array>

class Panel;

// The on-screen keyboard: a group box with one panel per key, the walking
// finger of the finger-path animation and the strip of finger-path numbers.
// It shows its keyboard picture; who changes the picture calls Zeigen.
class Bildschirmtastatur : public QGroupBox {
    Q_OBJECT
public:
    explicit Bildschirmtastatur(QWidget* parent);

    tastei::KeyboardPicture Tastaturbild;

    // Copies the picture onto the panels. `hinweisSchrift` is the font height
    // of the order hint that the space bar shows for accented letters.
    void Zeigen(int hinweisSchrift);
    // Places the box, its keys, the walking finger and the numbers for a
    // layout; `schrift` is the font height of the box's caption.
    void Anordnen(const tastei::KeyboardLayout& layout, int schrift);

    // The walking finger: labelled with its home key (or "ö" on the way to
    // the accent key) in that finger's colour, placed at `ort`.
    void WegTasteAufstellen(tastei::KeyId heimtaste, QPoint ort, bool akzent);
    void WegTasteBewegen(QPoint nach);
    void WegTasteVerbergen();
    void NummernZeigen(bool sichtbar);

    Panel* taste(tastei::KeyId key) const { return tasten_[tastei::indexOf(key)]; }
    Panel* wegTaste() const { return wegTaste_; }
    Panel* nummernFingerwege() const { return nummern_; }

private:
    void nummernAnordnen(const tastei::KeyboardLayout& layout);

    std::array<Panel*, tastei::kKeyCount> tasten_{};
    Panel* wegTaste_;
    Panel* nummern_;
    int tastenSchrift_ = -40;
};
