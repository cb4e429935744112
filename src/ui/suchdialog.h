#pragma once

#include "ui/platform.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

// The search dialog, and with a replace field the replace dialog.
class SuchDialog : public QDialog {
    Q_OBJECT
public:
    SuchDialog(const QString& initial, bool withReplace, QWidget* parent);
    FindRequest request() const;

private:
    QLineEdit* suchen_;
    QLineEdit* ersetzen_ = nullptr;
    QCheckBox* grossKlein_;
    QCheckBox* ganzesWort_;
    bool alleErsetzen_ = false;
};
