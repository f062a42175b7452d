#include "DiscLabelDlg.h"

#include "CoverPrintCommand.h"
#include "CoverSettings.h"
#include "DiscSheetPreview.h"
#include "PictureSource.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const int kPrintableDisc = static_cast<int>(DiscLabelSheets().size());
const int kCustom = kPrintableDisc + 1;

QDoubleSpinBox* MillimetreBox(QWidget* pParent, double dHighest)
{
    auto* box = new QDoubleSpinBox(pParent);
    box->setRange(0, dHighest);
    box->setDecimals(1);
    box->setSingleStep(0.5);
    box->setSuffix(QStringLiteral(" mm"));
    return box;
}

double Tenths(DWORD dwTenths)
{
    return dwTenths / 10.0;
}

DWORD ToTenths(double dMm)
{
    return static_cast<DWORD>(std::lround(std::max(0.0, dMm) * 10));
}

// Fills a box without its change being taken for an edit.
void Show(QDoubleSpinBox* pBox, double dValue)
{
    const QSignalBlocker quiet(pBox);
    pBox->setValue(dValue);
}

} // namespace

CDiscLabelDlg::CDiscLabelDlg(const CoverState& cover, const std::string& strCoverPath, QWidget* pParent)
    : CDialog(pParent), m_cover(cover), m_strCoverPath(strCoverPath)
{
    setWindowTitle(QStringLiteral("Print Disc Label"));
    m_pPreview = new CDiscSheetPreview(this);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* print = buttons->addButton(QStringLiteral("&Print..."), QDialogButtonBox::AcceptRole);
    print->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { OnOK(); });
    connect(buttons, &QDialogButtonBox::rejected, this, [this] { OnCancel(); });
    auto* columns = new QHBoxLayout;
    columns->addLayout(MakeChoices());
    columns->addWidget(m_pPreview, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(buttons);
    resize(720, 600);
}

QLayout* CDiscLabelDlg::MakeChoices()
{
    m_pSheet = new QComboBox(this);
    for (const DiscLabelSheet& sheet : DiscLabelSheets())
        m_pSheet->addItem(QString::fromStdString(sheet.strName));
    m_pSheet->addItem(QStringLiteral("Printable disc"));
    m_pSheet->addItem(QStringLiteral("Custom"));
    // The longest names are cut in the closed list rather than widening the dialog.
    m_pSheet->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_pSheet->setMinimumContentsLength(26);
    m_pPaper = new QComboBox(this);
    m_pPaper->addItems({QStringLiteral("A4"), QStringLiteral("Letter"), QStringLiteral("Disc, 120 mm")});
    m_pOuter = MillimetreBox(this, 130);
    m_pHub = MillimetreBox(this, 110);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Sheet:"), m_pSheet);
    form->addRow(QStringLiteral("P&aper:"), m_pPaper);
    form->addRow(QStringLiteral("&Outer diameter:"), m_pOuter);
    form->addRow(QStringLiteral("&Hub diameter:"), m_pHub);
    for (int i = 0; i < 2; ++i) {
        auto* row = new QHBoxLayout;
        for (int axis = 0; axis < 2; ++axis) {
            m_pCentre[2 * i + axis] = MillimetreBox(this, 300);
            m_pCentre[2 * i + axis]->setPrefix(axis == 0 ? QStringLiteral("x ") : QStringLiteral("y "));
            // A sheet with one label has no second centre.
            m_pCentre[2 * i + axis]->setSpecialValueText(axis == 0 ? QStringLiteral("x \u2013")
                                                                   : QStringLiteral("y \u2013"));
            row->addWidget(m_pCentre[2 * i + axis]);
        }
        auto* label = new QLabel(QStringLiteral("Label &%1 centre:").arg(i + 1), this);
        label->setBuddy(m_pCentre[2 * i]);
        form->addRow(label, row);
    }
    m_pUpper = new QCheckBox(QStringLiteral("Print label 1 (&upper)"), this);
    m_pLower = new QCheckBox(QStringLiteral("Print label 2 (lo&wer)"), this);
    m_pCutGuide = new QCheckBox(QStringLiteral("Draw a &cut guide (for plain paper)"), this);
    m_pNote = new QLabel(this);
    m_pNote->setWordWrap(true);
    auto* choices = new QVBoxLayout;
    choices->addLayout(form);
    for (QWidget* widget : std::initializer_list<QWidget*>{m_pUpper, m_pLower, m_pCutGuide, m_pNote})
        choices->addWidget(widget);
    choices->addStretch(1);
    connect(m_pSheet, &QComboBox::currentIndexChanged, this, [this] { OnSheetChosen(); });
    connect(m_pPaper, &QComboBox::currentIndexChanged, this, [this] { KeepEdits(); });
    for (QDoubleSpinBox* box : {m_pOuter, m_pHub, m_pCentre[0], m_pCentre[1], m_pCentre[2], m_pCentre[3]})
        connect(box, &QDoubleSpinBox::valueChanged, this, [this] { KeepEdits(); });
    for (QCheckBox* box : {m_pUpper, m_pLower, m_pCutGuide})
        connect(box, &QCheckBox::toggled, this, [this] { Refresh(); });
    connect(m_pLower, &QCheckBox::toggled, this, [this](bool bChecked) {
        if (m_pLower->isEnabled())
            m_bLowerWanted = bChecked;
    });
    return choices;
}

BOOL CDiscLabelDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const CCoverSettings stored;
    m_printable = PrintableDisc(Tenths(stored.m_dwDiscOuter), Tenths(stored.m_dwDiscHub));
    m_custom = CustomDiscSheet(stored.m_dwCustomDiscPaper == 1 ? QPageSize::Letter : QPageSize::A4,
                               Tenths(stored.m_dwCustomDiscOuter), Tenths(stored.m_dwCustomDiscHub),
                               {QPointF(Tenths(stored.m_dwCustomDiscX1), Tenths(stored.m_dwCustomDiscY1)),
                                QPointF(Tenths(stored.m_dwCustomDiscX2), Tenths(stored.m_dwCustomDiscY2))});
    {
        const QSignalBlocker quiet(m_pSheet);
        m_pSheet->setCurrentIndex(std::min<int>(static_cast<int>(stored.m_dwDiscSheet), kCustom));
    }
    m_bLowerWanted = (stored.m_dwDiscPositions & 2u) != 0;
    OnSheetChosen();
    m_pUpper->setChecked((stored.m_dwDiscPositions & 1u) != 0);
    m_pCutGuide->setChecked(stored.m_dwDiscCutGuide != 0);
    m_pSheet->setFocus();
    Refresh();
    return TRUE;
}

// A sheet of the table shows its numbers; a printable disc takes its diameters, a custom
// sheet all of them. Plain paper gets a cut guide unless the user says otherwise.
void CDiscLabelDlg::OnSheetChosen()
{
    const int index = m_pSheet->currentIndex();
    if (index == kPrintableDisc)
        ShowSheet(m_printable, true, false);
    else if (index == kCustom)
        ShowSheet(m_custom, true, true);
    else
        ShowSheet(DiscLabelSheets()[static_cast<size_t>(index)], false, false);
    m_pCutGuide->setChecked(index == kCustom);
    Refresh();
}

void CDiscLabelDlg::ShowSheet(const DiscLabelSheet& sheet, bool bEditable, bool bCustom)
{
    m_bShowing = true;
    m_pPaper->setCurrentIndex(sheet.bPrintableDisc ? 2 : sheet.paper == QPageSize::Letter ? 1 : 0);
    m_pPaper->setEnabled(bCustom);
    Show(m_pOuter, sheet.dOuterMm);
    Show(m_pHub, sheet.dHubMm);
    m_pOuter->setEnabled(bEditable);
    m_pHub->setEnabled(bEditable);
    for (int i = 0; i < 4; ++i) {
        const size_t label = static_cast<size_t>(i / 2);
        const QPointF centre = label < sheet.centresMm.size() ? sheet.centresMm[label] : QPointF();
        Show(m_pCentre[i], i % 2 == 0 ? centre.x() : centre.y());
        m_pCentre[i]->setEnabled(bCustom);
    }
    // A printable disc has one label: the lower one shows unticked and comes back as the user
    // left it on a sheet of two.
    const bool two = sheet.centresMm.size() > 1;
    {
        const QSignalBlocker quiet(m_pLower);
        m_pLower->setChecked(two && m_bLowerWanted);
    }
    m_pLower->setEnabled(two);
    m_bShowing = false;
}

void CDiscLabelDlg::KeepEdits()
{
    if (m_bShowing)
        return;
    if (m_pSheet->currentIndex() == kPrintableDisc)
        m_printable = PrintableDisc(m_pOuter->value(), m_pHub->value());
    if (m_pSheet->currentIndex() == kCustom)
        m_custom = CustomDiscSheet(m_pPaper->currentIndex() == 1 ? QPageSize::Letter : QPageSize::A4,
                                   m_pOuter->value(), m_pHub->value(),
                                   {QPointF(m_pCentre[0]->value(), m_pCentre[1]->value()),
                                    QPointF(m_pCentre[2]->value(), m_pCentre[3]->value())});
    Refresh();
}

DiscLabelSheet CDiscLabelDlg::Sheet() const
{
    const int index = m_pSheet->currentIndex();
    if (index == kPrintableDisc)
        return m_printable;
    return index == kCustom ? m_custom : DiscLabelSheets()[static_cast<size_t>(index)];
}

DiscLabelJob CDiscLabelDlg::Job() const
{
    const unsigned positions = (m_pUpper->isChecked() ? 1u : 0u) | (m_pLower->isChecked() ? 2u : 0u);
    return DiscLabelJob{m_cover, Sheet(), positions, m_pCutGuide->isChecked(), {}, logicalDpiY()};
}

QString CDiscLabelDlg::Fault() const
{
    const DiscLabelSheet sheet = Sheet();
    if (const std::string fault = DiscSheetFault(sheet); !fault.empty())
        return QString::fromStdString(fault);
    const DiscLabelJob job = Job();
    for (size_t i = 1; i <= sheet.centresMm.size(); ++i)
        if (PrintsPosition(job, i))
            return QString();
    return QStringLiteral("Choose a label to print.");
}

// The preview, the Print button and the line under the choices follow every change.
void CDiscLabelDlg::Refresh()
{
    const DiscLabelJob job = Job();
    m_pPreview->SetJob(job);
    const QString fault = Fault();
    TextFit fit;
    if (fault.isEmpty()) { // measured at the print resolution, on a picture that keeps no pixels
        QImage measure(1, 1, QImage::Format_RGB32);
        measure.setDotsPerMeterX(qRound(600 / 0.0254));
        measure.setDotsPerMeterY(qRound(600 / 0.0254));
        QPainter painter(&measure);
        DiscLabelJob one = job;
        one.nPositions = 1;
        CDecodedPictures none;
        DiscLabelDesign design = DiscLabelDesignOf(m_cover, job.nFontDpi);
        design.strImagePath.clear();
        const double ppm = 600 / 25.4;
        DrawDiscLabel(painter, design, {QPointF(), one.sheet.dOuterMm * ppm, one.sheet.dHubMm * ppm, false},
                      none, &fit);
    }
    m_pNote->setText(fault.isEmpty() ? DiscLabelFitNote(fit) : fault);
    m_pNote->setStyleSheet(fault.isEmpty() ? QStringLiteral("color: #8a4b00")
                                           : QStringLiteral("color: #b00000"));
    if (auto* buttons = findChild<QDialogButtonBox*>())
        buttons->buttons().front()->setEnabled(fault.isEmpty());
}

void CDiscLabelDlg::Store() const
{
    CCoverSettings settings;
    settings.m_dwDiscSheet = static_cast<DWORD>(m_pSheet->currentIndex());
    settings.m_dwDiscPositions = (m_pUpper->isChecked() ? 1u : 0u) | (m_bLowerWanted ? 2u : 0u);
    settings.m_dwDiscCutGuide = m_pCutGuide->isChecked() ? 1 : 0;
    settings.m_dwDiscOuter = ToTenths(m_printable.dOuterMm);
    settings.m_dwDiscHub = ToTenths(m_printable.dHubMm);
    settings.m_dwCustomDiscPaper = m_custom.paper == QPageSize::Letter ? 1 : 0;
    settings.m_dwCustomDiscOuter = ToTenths(m_custom.dOuterMm);
    settings.m_dwCustomDiscHub = ToTenths(m_custom.dHubMm);
    settings.m_dwCustomDiscX1 = ToTenths(m_custom.centresMm[0].x());
    settings.m_dwCustomDiscY1 = ToTenths(m_custom.centresMm[0].y());
    settings.m_dwCustomDiscX2 = ToTenths(m_custom.centresMm[1].x());
    settings.m_dwCustomDiscY2 = ToTenths(m_custom.centresMm[1].y());
    settings.SaveValues();
}

void CDiscLabelDlg::OnOK()
{
    if (!Fault().isEmpty())
        return;
    Store();
    if (PrintDiscLabels(this, Job(), m_strCoverPath))
        CDialog::OnOK();
}

QString DiscLabelFitNote(const TextFit& fit)
{
    QStringList parts;
    if (fit.nLinesHidden > 0)
        parts << QStringLiteral("%1 line%2 of the front's text do%3 not fit on the label")
                     .arg(fit.nLinesHidden)
                     .arg(fit.nLinesHidden == 1 ? "" : "s")
                     .arg(fit.nLinesHidden == 1 ? "es" : "");
    if (fit.nTextsCut > 0)
        parts << QStringLiteral("%1 line%2 cut short")
                     .arg(fit.nTextsCut)
                     .arg(fit.nTextsCut == 1 ? " is" : "s are");
    if (fit.nSpinesCut > 0)
        parts << QStringLiteral("the spine text is cut short on the rim");
    if (parts.isEmpty())
        return QString();
    QString note = parts.join(QStringLiteral("; ")) + QLatin1Char('.');
    note[0] = note[0].toUpper();
    return note;
}
