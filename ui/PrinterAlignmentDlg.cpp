#include "PrinterAlignmentDlg.h"

#include "CoverPrint.h"
#include "ModalHost.h"
#include "PrinterAlignment.h"
#include "TestSheet.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QDoubleSpinBox* NumberBox(QWidget* parent, double dLow, double dHigh, double dStep, int nDecimals,
                          const char* suffix)
{
    auto* box = new QDoubleSpinBox(parent);
    box->setRange(dLow, dHigh);
    box->setSingleStep(dStep);
    box->setDecimals(nDecimals);
    box->setSuffix(QString::fromLatin1(suffix));
    return box;
}

} // namespace

CPrinterAlignmentDlg::CPrinterAlignmentDlg(QWidget* pParent) : CDialog(pParent)
{
    setWindowTitle(QStringLiteral("Printer Alignment"));
    auto* explanation = new QLabel(
        QStringLiteral(
            "Print the test sheet and measure it: enter how far to move the print (the cross-hairs "
            "should stand 20 mm in from the printable corner) and by how much to stretch it (the "
            "rulers should measure 100 mm and 150 mm)."),
        this);
    explanation->setWordWrap(true);
    m_pOffsetX = NumberBox(this, -10, 10, 0.1, 1, " mm");
    m_pOffsetY = NumberBox(this, -10, 10, 0.1, 1, " mm");
    m_pScaleX = NumberBox(this, 95, 105, 0.01, 2, " %");
    m_pScaleY = NumberBox(this, 95, 105, 0.01, 2, " %");
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Move &across (right):"), m_pOffsetX);
    form->addRow(QStringLiteral("Move &down:"), m_pOffsetY);
    form->addRow(QStringLiteral("Stretch a&cross:"), m_pScaleX);
    form->addRow(QStringLiteral("Stretch do&wn:"), m_pScaleY);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* testSheet =
        buttons->addButton(QStringLiteral("&Print Test Sheet"), QDialogButtonBox::ActionRole);
    connect(testSheet, &QPushButton::clicked, this, [this] { OnPrintTestSheet(); });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { OnOK(); });
    connect(buttons, &QDialogButtonBox::rejected, this, [this] { OnCancel(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}

BOOL CPrinterAlignmentDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const CPrinterAlignment stored;
    m_pOffsetX->setValue(stored.OffsetXMm());
    m_pOffsetY->setValue(stored.OffsetYMm());
    m_pScaleX->setValue(stored.ScaleX() * 100);
    m_pScaleY->setValue(stored.ScaleY() * 100);
    return TRUE;
}

PrintCalibration CPrinterAlignmentDlg::Calibration() const
{
    return {m_pOffsetX->value(), m_pOffsetY->value(), m_pScaleX->value() / 100, m_pScaleY->value() / 100};
}

void CPrinterAlignmentDlg::OnOK()
{
    CPrinterAlignment stored;
    stored.Set(m_pOffsetX->value(), m_pOffsetY->value(), m_pScaleX->value(), m_pScaleY->value());
    stored.SaveValues();
    EndDialog(IDOK);
}

void CPrinterAlignmentDlg::OnPrintTestSheet()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(false);
    printer.setPageLayout(CoverSheetLayout(StandardCD));
    printer.setDocName(QStringLiteral("Printer alignment test sheet"));
    if (ModalHost().PrintDialog(printer, this) != IDOK)
        return;
    printer.setResolution(CoverPrintResolution(printer.resolution()));
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    DrawAlignmentTestSheet(painter, Calibration());
    painter.end();
}
