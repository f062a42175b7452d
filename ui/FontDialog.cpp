#include "FontDialog.h"

#include "ModalHost.h"
#include "MulDiv.h"
#include "QtConvert.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QVBoxLayout>
#include <cmath>

namespace {

// The colours a font dialog offers for text: the sixteen basic colours.
const std::pair<const char*, COLORREF> kTextColors[] = {
    {"Black", RGB(0, 0, 0)},       {"Maroon", RGB(128, 0, 0)},    {"Green", RGB(0, 128, 0)},
    {"Olive", RGB(128, 128, 0)},   {"Navy", RGB(0, 0, 128)},      {"Purple", RGB(128, 0, 128)},
    {"Teal", RGB(0, 128, 128)},    {"Gray", RGB(128, 128, 128)},  {"Silver", RGB(192, 192, 192)},
    {"Red", RGB(255, 0, 0)},       {"Lime", RGB(0, 255, 0)},      {"Yellow", RGB(255, 255, 0)},
    {"Blue", RGB(0, 0, 255)},      {"Fuchsia", RGB(255, 0, 255)}, {"Aqua", RGB(0, 255, 255)},
    {"White", RGB(255, 255, 255)},
};

const char* const kStyles[] = {"Regular", "Italic", "Bold", "Bold Italic"};
const int kSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};

QIcon Swatch(COLORREF cr)
{
    QPixmap swatch(24, 12);
    swatch.fill(ToQColor(cr));
    return QIcon(swatch);
}

// A label whose underlined letter (Alt + letter) takes the keyboard to its control.
QLabel* BuddyLabel(const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text, buddy->parentWidget());
    label->setBuddy(buddy);
    return label;
}

QString FormatPoints(double points)
{
    return QString::number(points, 'g', 4);
}

} // namespace

CFontDialog::CFontDialog(const LOGFONT& lfInitial, COLORREF crInitial, int nLogPixelsY, QWidget* pParent)
    : CDialog(pParent), m_lf(lfInitial), m_crColor(crInitial),
      m_nLogPixelsY(nLogPixelsY > 0 ? nLogPixelsY : kScreenDpi)
{
    setWindowTitle(QStringLiteral("Font"));
    BuildControls();
}

void CFontDialog::BuildControls()
{
    auto* grid = new QGridLayout(this);
    m_pFaces = new QListWidget(this);
    m_pFaces->addItems(QFontDatabase::families());
    m_pStyles = new QListWidget(this);
    for (const char* style : kStyles)
        m_pStyles->addItem(QString::fromLatin1(style));
    m_pSize = new QLineEdit(this);
    m_pSizes = new QListWidget(this);
    for (const int size : kSizes)
        m_pSizes->addItem(QString::number(size));
    grid->addWidget(BuddyLabel(QStringLiteral("&Font:"), m_pFaces), 0, 0);
    grid->addWidget(BuddyLabel(QStringLiteral("Font st&yle:"), m_pStyles), 0, 1);
    grid->addWidget(BuddyLabel(QStringLiteral("&Size:"), m_pSize), 0, 2);
    grid->addWidget(m_pFaces, 1, 0, 2, 1);
    grid->addWidget(m_pStyles, 1, 1, 2, 1);
    grid->addWidget(m_pSize, 1, 2);
    grid->addWidget(m_pSizes, 2, 2);

    auto* effects = new QGroupBox(QStringLiteral("Effects"), this);
    auto* effectsLayout = new QVBoxLayout(effects);
    m_pStrikeOut = new QCheckBox(QStringLiteral("Stri&keout"), effects);
    m_pUnderline = new QCheckBox(QStringLiteral("&Underline"), effects);
    m_pColors = new QComboBox(effects);
    for (const auto& [name, colour] : kTextColors)
        m_pColors->addItem(Swatch(colour), QString::fromLatin1(name), static_cast<uint>(colour));
    effectsLayout->addWidget(m_pStrikeOut);
    effectsLayout->addWidget(m_pUnderline);
    effectsLayout->addWidget(BuddyLabel(QStringLiteral("&Color:"), m_pColors));
    effectsLayout->addWidget(m_pColors);
    grid->addWidget(effects, 3, 0);

    auto* sampleBox = new QGroupBox(QStringLiteral("Sample"), this);
    auto* sampleLayout = new QVBoxLayout(sampleBox);
    m_pSample = new QLabel(QStringLiteral("AaBbYyZz"), sampleBox);
    m_pSample->setAlignment(Qt::AlignCenter);
    m_pSample->setMinimumSize(220, 70);
    sampleLayout->addWidget(m_pSample);
    grid->addWidget(sampleBox, 3, 1, 1, 2);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    grid->addWidget(buttons, 4, 0, 1, 3);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { OnOK(); });
    connect(buttons, &QDialogButtonBox::rejected, this, [this] { OnCancel(); });

    for (QListWidget* list : {m_pFaces, m_pStyles})
        connect(list, &QListWidget::currentRowChanged, this, [this] { UpdateSample(); });
    connect(m_pSizes, &QListWidget::currentTextChanged, m_pSize, &QLineEdit::setText);
    connect(m_pSize, &QLineEdit::textChanged, this, [this] { UpdateSample(); });
    for (QCheckBox* box : {m_pStrikeOut, m_pUnderline})
        connect(box, &QCheckBox::toggled, this, [this] { UpdateSample(); });
    connect(m_pColors, &QComboBox::currentIndexChanged, this, [this] { UpdateSample(); });
}

BOOL CFontDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    ShowInitialChoice();
    UpdateSample();
    return TRUE;
}

// Selects the face, style, size, effects and colour the dialog was opened on. A face this
// computer does not have is listed all the same, so that keeping it is a choice too.
void CFontDialog::ShowInitialChoice()
{
    const QString face = ToQString(std::string(m_lf.lfFaceName, strnlen(m_lf.lfFaceName, LF_FACESIZE)));
    QList<QListWidgetItem*> found = m_pFaces->findItems(face, Qt::MatchFixedString);
    if (found.isEmpty() && !face.isEmpty()) {
        m_pFaces->insertItem(0, face);
        found = m_pFaces->findItems(face, Qt::MatchFixedString);
    }
    if (!found.isEmpty())
        m_pFaces->setCurrentItem(found.first());
    const bool bold = m_lf.lfWeight >= 600;
    m_pStyles->setCurrentRow((bold ? 2 : 0) + (m_lf.lfItalic ? 1 : 0));
    const double points = m_lf.lfHeight == 0 ? 12.0 : std::abs(m_lf.lfHeight) * 72.0 / m_nLogPixelsY;
    m_pSize->setText(FormatPoints(std::round(points * 10) / 10));
    m_pStrikeOut->setChecked(m_lf.lfStrikeOut != 0);
    m_pUnderline->setChecked(m_lf.lfUnderline != 0);
    int colour = m_pColors->findData(static_cast<uint>(m_crColor));
    if (colour < 0) {
        // A colour set elsewhere (a loaded cover) is kept as its own entry.
        m_pColors->addItem(Swatch(m_crColor), QStringLiteral("Custom"), static_cast<uint>(m_crColor));
        colour = m_pColors->count() - 1;
    }
    m_pColors->setCurrentIndex(colour);
}

bool CFontDialog::ReadSize(double* pPoints) const
{
    bool ok = false;
    const double points = m_pSize->text().trimmed().toDouble(&ok);
    if (!ok || points < 1 || points > 1638)
        return false;
    *pPoints = points;
    return true;
}

QFont CFontDialog::ChosenQFont() const
{
    QFont font(m_pFaces->currentItem() ? m_pFaces->currentItem()->text() : QString());
    double points = 12;
    ReadSize(&points);
    font.setPointSizeF(points);
    font.setBold(m_pStyles->currentRow() >= 2);
    font.setItalic(m_pStyles->currentRow() % 2 == 1);
    font.setStrikeOut(m_pStrikeOut->isChecked());
    font.setUnderline(m_pUnderline->isChecked());
    return font;
}

void CFontDialog::UpdateSample()
{
    m_pSample->setFont(ChosenQFont());
    QPalette colours = m_pSample->palette();
    colours.setColor(QPalette::WindowText, ToQColor(m_pColors->currentData().toUInt()));
    m_pSample->setPalette(colours);
}

void CFontDialog::OnOK()
{
    double points = 0;
    if (!ReadSize(&points)) {
        MessageBox(this, "Size must be between 1 and 1638 points.", "Font", MB_OK | MB_ICONEXCLAMATION);
        m_pSize->setFocus();
        return;
    }
    m_nPointSize = static_cast<int>(std::lround(points * 10));
    LOGFONT lf{};
    lf.lfHeight = -MulDiv(m_nPointSize, m_nLogPixelsY, 720);
    lf.lfWeight = m_pStyles->currentRow() >= 2 ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = m_pStyles->currentRow() % 2 == 1 ? 1 : 0;
    lf.lfUnderline = m_pUnderline->isChecked() ? 1 : 0;
    lf.lfStrikeOut = m_pStrikeOut->isChecked() ? 1 : 0;
    lf.lfCharSet = m_lf.lfCharSet;
    SetFaceName(lf, FromQString(m_pFaces->currentItem() ? m_pFaces->currentItem()->text() : QString()));
    m_lf = lf;
    m_crColor = static_cast<COLORREF>(m_pColors->currentData().toUInt());
    EndDialog(IDOK);
}
