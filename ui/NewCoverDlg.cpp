#include "NewCoverDlg.h"

#include "CoverSettings.h"
#include "CoverState.h"
#include "DialogTemplates.h"
#include "Help.h"
#include "HoverButton.h"
#include "ModalHost.h"
#include "ProgramFonts.h"
#include "QtConvert.h"
#include "TransparentStatic.h"
#include "resource.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <limits>

namespace {

constexpr std::array<int, 5> kChoiceIds = {IDC_STANDARD_CD, IDC_STANDARD_DVD, IDC_OTHER_SIZE, IDC_SLIMLINE_CD,
                                           IDC_SLIMLINE_DVD};
// The four visible choices as they stand on screen, top to bottom: the arrow keys' order.
constexpr std::array<int, 4> kChoicesOnScreen = {IDC_STANDARD_CD, IDC_SLIMLINE_CD, IDC_STANDARD_DVD,
                                                 IDC_SLIMLINE_DVD};
constexpr std::array<int, 4> kSizeLabelIds = {IDC_WIDTH_LABEL, IDC_HEIGHT_LABEL, IDC_FRONT_COVER_LABEL,
                                              IDC_BACK_COVER_LABEL};

int CoverTypeOf(int nChoiceId)
{
    switch (nChoiceId) {
    case IDC_STANDARD_DVD:
        return StandardDVD;
    case IDC_OTHER_SIZE:
        return CustomSize;
    case IDC_SLIMLINE_CD:
        return SlimlineCD;
    case IDC_SLIMLINE_DVD:
        return SlimlineDVD;
    default:
        return StandardCD;
    }
}

// The four size fields in the order Continue checks them, with their names in the messages.
struct SizeField
{
    int nEditId;
    const char* name;
};
constexpr std::array<SizeField, 4> kSizeFields = {{{IDC_FRONT_HEIGHT, "Front Height"},
                                                   {IDC_FRONT_WIDTH, "Front Width"},
                                                   {IDC_BACK_HEIGHT, "Back Height"},
                                                   {IDC_BACK_WIDTH, "Back Width"}}};

std::string FormatCentimetres(DWORD dwTenths)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.1f", static_cast<double>(static_cast<float>(dwTenths) * 0.1f));
    return text;
}

} // namespace

bool ParseSizeTenths(const std::string& strText, DWORD* pTenths)
{
    int points = 0;
    for (const char c : strText) {
        if (c == '.')
            ++points;
        else if (c < '0' || c > '9')
            return false;
    }
    if (points > 1)
        return false;
    const size_t point = strText.find('.');
    std::string digits = strText.substr(0, point);
    const std::string decimals = point == std::string::npos ? std::string() : strText.substr(point + 1);
    digits += decimals.empty() ? '0' : decimals[0];
    unsigned long long value = 0;
    for (const char c : digits) {
        value = value * 10 + static_cast<unsigned>(c - '0');
        if (value > std::numeric_limits<DWORD>::max())
            return false;
    }
    *pTenths = static_cast<DWORD>(value);
    return true;
}

CNewCoverDlg::CNewCoverDlg(QWidget* pParent) : CDialog(pParent)
{
    // A caption without a system menu, so no close box; Escape still cancels.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    CreateFromTemplate(NewCoverTemplate());
    for (const int id : kChoiceIds)
        connect(ChoiceButton(id), &QAbstractButton::clicked, this, [this, id] { OnChoiceClicked(id); });
    for (const int id : kChoicesOnScreen)
        ChoiceButton(id)->installEventFilter(this);
}

QWidget* CNewCoverDlg::CreateControl(const ControlTemplate& control)
{
    if (control.nId == IDC_CONTINUE) {
        m_pContinue = new CHoverButton(this, BS_PUSHBUTTON);
        m_pContinue->setText(ToQString(control.text));
        return m_pContinue;
    }
    if (control.nId == IDC_NEW_COVER_PROMPT ||
        (control.cls == ControlClass::Static && control.nId >= IDC_HEIGHT_LABEL &&
         control.nId <= IDC_FRONT_COVER_LABEL)) {
        auto* label = new CTransparentStatic(this);
        label->SetWindowText(control.text);
        label->setWordWrap(true);
        label->setAlignment((control.style & SS_RIGHT) ? Qt::AlignRight | Qt::AlignTop
                                                       : Qt::AlignLeft | Qt::AlignTop);
        if (control.nId == IDC_NEW_COVER_PROMPT)
            m_pPrompt = label;
        else
            m_sizeLabels[static_cast<size_t>(control.nId - IDC_HEIGHT_LABEL)] = label;
        return label;
    }
    return nullptr;
}

QAbstractButton* CNewCoverDlg::ChoiceButton(int nId) const
{
    return qobject_cast<QAbstractButton*>(GetDlgItem(nId));
}

QLineEdit* CNewCoverDlg::SizeEdit(int nId) const
{
    return qobject_cast<QLineEdit*>(GetDlgItem(nId));
}

void CNewCoverDlg::CreateFonts()
{
    m_regularFont = NoticeFont(false);
    m_boldFont = ButtonCaptionFont();
}

BOOL CNewCoverDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_pContinue->UseParentBackground(false);
    m_pContinue->AssignIcon(IDI_CONTINUE);
    m_pContinue->SetContentLayout(1, true);
    CreateFonts();
    m_pPrompt->setFont(m_regularFont);
    m_pPrompt->SetTextColor(RGB(0, 51, 102));
    for (CTransparentStatic* label : m_sizeLabels)
        label->SetTextColor(RGB(0, 0, 0));
    m_pContinue->setFont(m_boldFont);

    const CCoverSettings settings;
    ShowStoredChoice(settings.m_dwOption);
    SizeEdit(IDC_BACK_HEIGHT)->setText(ToQString(FormatCentimetres(settings.m_dwCHB)));
    SizeEdit(IDC_FRONT_HEIGHT)->setText(ToQString(FormatCentimetres(settings.m_dwCHF)));
    SizeEdit(IDC_BACK_WIDTH)->setText(ToQString(FormatCentimetres(settings.m_dwCWB)));
    SizeEdit(IDC_FRONT_WIDTH)->setText(ToQString(FormatCentimetres(settings.m_dwCWF)));
    MakeCheckedChoiceTheTabStop();
    m_pContinue->setFocus();
    return TRUE;
}

// Checks the stored kind of case in bold; a value that names no kind checks nothing and
// leaves the choices in the dialog's font.
void CNewCoverDlg::ShowStoredChoice(DWORD dwOption)
{
    for (const int id : kChoiceIds) {
        if (static_cast<DWORD>(CoverTypeOf(id)) != dwOption)
            continue;
        ChoiceButton(id)->setChecked(true);
        BoldenChoice(id);
        EnableSizeFields(id == IDC_OTHER_SIZE);
    }
}

void CNewCoverDlg::BoldenChoice(int nId)
{
    for (const int id : kChoiceIds)
        ChoiceButton(id)->setFont(id == nId ? m_boldFont : m_regularFont);
}

void CNewCoverDlg::EnableSizeFields(bool bEnable)
{
    for (CTransparentStatic* label : m_sizeLabels)
        label->setEnabled(bEnable);
    for (const SizeField& field : kSizeFields)
        SizeEdit(field.nEditId)->setEnabled(bEnable);
}

// Every choice is a group of its own, so the dialog unchecks the others itself.
void CNewCoverDlg::OnChoiceClicked(int nId)
{
    ChoiceButton(nId)->setChecked(true);
    BoldenChoice(nId);
    for (const int id : kChoiceIds)
        if (id != nId)
            ChoiceButton(id)->setChecked(false);
    EnableSizeFields(nId == IDC_OTHER_SIZE);
    MakeCheckedChoiceTheTabStop();
    if (nId == IDC_OTHER_SIZE)
        SizeEdit(IDC_FRONT_HEIGHT)->setFocus();
}

// The choices are one group for the keyboard, as desktop radio groups are: Tab reaches the
// checked choice (the first when none is), and the arrow keys move the choice.
void CNewCoverDlg::MakeCheckedChoiceTheTabStop()
{
    int tabStop = kChoicesOnScreen.front();
    for (const int id : kChoicesOnScreen)
        if (ChoiceButton(id)->isChecked())
            tabStop = id;
    for (const int id : kChoicesOnScreen)
        ChoiceButton(id)->setFocusPolicy(id == tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

void CNewCoverDlg::MoveChoiceByArrow(int nFromId, int nStep)
{
    const auto from = std::find(kChoicesOnScreen.begin(), kChoicesOnScreen.end(), nFromId);
    const int count = static_cast<int>(kChoicesOnScreen.size());
    const int next = (static_cast<int>(from - kChoicesOnScreen.begin()) + nStep + count) % count;
    const int id = kChoicesOnScreen[static_cast<size_t>(next)];
    OnChoiceClicked(id);
    ChoiceButton(id)->setFocus(Qt::TabFocusReason);
}

bool CNewCoverDlg::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pEvent->type() != QEvent::KeyPress)
        return CDialog::eventFilter(pWatched, pEvent);
    const int key = static_cast<QKeyEvent*>(pEvent)->key();
    const int step = key == Qt::Key_Down || key == Qt::Key_Right ? 1
                     : key == Qt::Key_Up || key == Qt::Key_Left  ? -1
                                                                 : 0;
    for (const int id : kChoicesOnScreen) {
        if (step != 0 && pWatched == ChoiceButton(id)) {
            MoveChoiceByArrow(id, step);
            return true;
        }
    }
    return CDialog::eventFilter(pWatched, pEvent);
}

void CNewCoverDlg::OnOK()
{
    CCoverSettings settings;
    DWORD option = StandardCD;
    for (const int id : {IDC_STANDARD_DVD, IDC_OTHER_SIZE, IDC_SLIMLINE_CD, IDC_SLIMLINE_DVD})
        if (ChoiceButton(id)->isChecked())
            option = static_cast<DWORD>(CoverTypeOf(id));
    settings.m_dwOption = option;
    if (option == CustomSize) {
        DWORD sizes[4];
        if (!ReadSizes(sizes))
            return;
        settings.m_dwCHF = sizes[0];
        settings.m_dwCWF = sizes[1];
        settings.m_dwCHB = sizes[2];
        settings.m_dwCWB = sizes[3];
    }
    settings.SaveValues();
    EndDialog(IDOK);
}

// Reads the four sizes in order; the first that is not a number is reported, gets the
// focus, and stops the reading.
bool CNewCoverDlg::ReadSizes(DWORD* pValues)
{
    for (size_t i = 0; i < kSizeFields.size(); ++i) {
        QLineEdit* edit = SizeEdit(kSizeFields[i].nEditId);
        if (ParseSizeTenths(FromQString(edit->text()), &pValues[i]))
            continue;
        MessageBox(this, std::string("Please enter a valid number in the '") + kSizeFields[i].name + "' box.",
                   "Error", MB_OK | MB_ICONEXCLAMATION);
        edit->setFocus();
        return false;
    }
    return true;
}

void CNewCoverDlg::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), Qt::white);
}

void CNewCoverDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        OpenHelpFile();
        return;
    }
    CDialog::keyPressEvent(event);
}
