#include "ui/filledgroupbox.h"

#include <QColor>
#include <QGroupBox>

void fillGroupBox(QGroupBox* box, const QColor& color) {
    // Addressed by name, so group boxes placed inside keep the style's look.
    // The caption stands inside the filled area: what lies under the box
    // must not show around it.
    box->setStyleSheet(QStringLiteral("QGroupBox#%1 { background-color: %2; border: 1px solid "
                                      "#808080; margin-top: 0px; }"
                                      "QGroupBox#%1::title { subcontrol-origin: padding; "
                                      "subcontrol-position: top left; left: 6px; padding: 1px "
                                      "2px; }")
                           .arg(box->objectName(), color.name()));
}
