#include "AboutDlg.h"

#include "DialogTemplates.h"

#include <QPlainTextEdit>

namespace {

// Room for the credits under the template's rows, in pixels.
constexpr int kCreditsHeight = 150;
constexpr int kMargin = 10;

} // namespace

CAboutDlg::CAboutDlg(QWidget* pParent) : CDialog(pParent)
{
    CreateFromTemplate(AboutTemplate());
    m_pCredits = new QPlainTextEdit(this);
    m_pCredits->setReadOnly(true);
    m_pCredits->setPlainText(LibraryCredits());
    m_pCredits->setAccessibleName(QStringLiteral("Libraries and their licences"));
}

// The credits go under the template's rows, once the window has its size.
BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const QSize base = size();
    m_pCredits->setGeometry(kMargin, base.height(), base.width() - 2 * kMargin, kCreditsHeight);
    setFixedSize(base.width(), base.height() + kCreditsHeight + kMargin);
    return TRUE;
}

QString LibraryCredits()
{
    return QStringLiteral(
        "Sleevora uses these libraries, each under its own licence; the texts named are on this "
        "computer.\n\n"
        "Qt 6 (Core, Gui, Widgets, PrintSupport), The Qt Company Ltd. and others: GNU LGPL 3, "
        "/usr/share/common-licenses/LGPL-3.\n"
        "FreeImage: FreeImage Public License 1.0, /usr/lib/sleevora/freeimage-license.txt.\n"
        "TagLib, Scott Wheeler and others: GNU LGPL 2.1 and MPL 1.1, "
        "/usr/share/common-licenses/LGPL-2.1 and MPL-1.1.\n"
        "qpdf, Jay Berkenbilt and others: Apache License 2.0, /usr/share/common-licenses/Apache-2.0.\n"
        "GLib, the GLib authors: GNU LGPL 2.1 or later, /usr/share/common-licenses/LGPL-2.1.\n"
        "Little CMS, Marti Maria Saguer: MIT licence, /usr/share/doc/sleevora/copyright.\n"
        "libjpeg-turbo and TurboJPEG, D. R. Commander, the Independent JPEG Group and others: "
        "BSD (3-clause) and IJG licences, /usr/share/doc/sleevora/copyright.\n"
        "uchardet, Netscape Communications and BYVoid: MPL 1.1 and GNU LGPL 2.1 or later, "
        "/usr/share/common-licenses/MPL-1.1 and LGPL-2.1.\n"
        "The GNU C Library (GNU LGPL 2.1 or later) and the GCC runtime (GNU GPL 3 with the GCC "
        "Runtime Library Exception), /usr/share/common-licenses.\n\n"
        "The full notices are in /usr/share/doc/sleevora/copyright.");
}
