#include "ui/suchdialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

SuchDialog::SuchDialog(const QString& initial, bool withReplace, QWidget* parent)
    : QDialog(parent), suchen_(new QLineEdit(initial, this)),
      grossKlein_(new QCheckBox(QStringLiteral("&Groß-/Kleinschreibung beachten"), this)),
      ganzesWort_(new QCheckBox(QStringLiteral("Nur ganzes &Wort"), this)) {
    setWindowTitle(withReplace ? QStringLiteral("Ersetzen") : QStringLiteral("Suchen"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Suchen nach:"), suchen_);
    if (withReplace) {
        ersetzen_ = new QLineEdit(this);
        form->addRow(QStringLiteral("&Ersetzen durch:"), ersetzen_);
    }
    auto* buttons = new QDialogButtonBox(this);
    auto* weiter = buttons->addButton(withReplace ? QStringLiteral("E&rsetzen")
                                                  : QStringLiteral("&Weitersuchen"),
                                      QDialogButtonBox::AcceptRole);
    weiter->setDefault(true);
    if (withReplace) {
        auto* alle =
            buttons->addButton(QStringLiteral("&Alle ersetzen"), QDialogButtonBox::AcceptRole);
        connect(alle, &QPushButton::clicked, this, [this] { alleErsetzen_ = true; });
    }
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(grossKlein_);
    layout->addWidget(ganzesWort_);
    layout->addWidget(buttons);
    suchen_->selectAll();
}

FindRequest SuchDialog::request() const {
    FindRequest request;
    request.searchText = suchen_->text();
    request.replaceText = ersetzen_ ? ersetzen_->text() : QString();
    request.matchCase = grossKlein_->isChecked();
    request.wholeWord = ganzesWort_->isChecked();
    request.replaceAll = alleErsetzen_;
    return request;
}
