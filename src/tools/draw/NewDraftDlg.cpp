#include "tools/draw/NewDraftDlg.h"

#include "tools/draw/SampleImage.h"
#include "tools/draw/SheetChoices.h"
#include "tools/draw/SheetSamples.h"

#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

TNewDraftDlg::TNewDraftDlg(const QString& stdFormsDir, TPromptCallbacks prompts, QWidget* parent)
    : TTechModalDialog(parent), FChoice(FirstSheetChoice), m_prompts(std::move(prompts)) {
    setWindowTitle(QStringLiteral("Новый эскиз"));
    setObjectName(QStringLiteral("NewDraftDlg"));

    auto* samples = new QGridLayout;
    samples->setSpacing(6);
    for (const TSheetChoice& choice : SheetChoices) {
        auto* image = new TSampleImage(MakeSheetSample(choice, stdFormsDir), choice.Code);
        image->setObjectName(QString::fromLatin1(choice.ImageName));
        const QString description = QString::fromUtf8(choice.Description);
        image->setAccessibleName(description);
        image->setToolTip(description);
        auto* panel = new TSamplePanel(image, this);
        panel->setObjectName(QString::fromLatin1(choice.PanelName));
        panel->setAccessibleName(description);
        samples->addWidget(panel, choice.Row, choice.Column);
        connect(image, &TSampleImage::Clicked, this, &TNewDraftDlg::SelSampleImage);
        connect(image, &TSampleImage::DoubleClicked, this, &TNewDraftDlg::OKDblClick);
        connect(panel, &TSamplePanel::Entered, this, &TNewDraftDlg::SelSampleImage);
        if (choice.Code == FirstSheetChoice) FSelImage = image;
    }

    auto* okButton = new QPushButton(QStringLiteral("OK"));
    okButton->setObjectName(QStringLiteral("OKButton"));
    auto* cancelButton = new QPushButton(QStringLiteral("Отмена"));
    cancelButton->setObjectName(QStringLiteral("CancelButton"));
    // Enter and Esc are the form's, not a default button's.
    for (QPushButton* button : {okButton, cancelButton}) {
        button->setAutoDefault(false);
        button->setMinimumWidth(75);
    }
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(samples);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    FSelImage->SetTransparent(true);
    FSelImage->parentWidget()->setFocus();

    if (m_prompts.ShowPrompt) m_prompts.ShowPrompt(QString::fromUtf8(NewDraftPrompt));
}

TNewDraftDlg::~TNewDraftDlg() {
    if (m_prompts.ShowToolPrompt) m_prompts.ShowToolPrompt();
}

void TNewDraftDlg::SelSampleImage(TSampleImage* image) {
    if (FSelImage) FSelImage->SetTransparent(false);
    FSelImage = image;
    FSelImage->SetTransparent(true);
    FChoice = image->Tag();
}

void TNewDraftDlg::OKDblClick(TSampleImage* image) {
    // The first click of the pair has selected it already; selecting again is harmless
    // and keeps the answer right should a double click come alone.
    SelSampleImage(image);
    accept();
}
