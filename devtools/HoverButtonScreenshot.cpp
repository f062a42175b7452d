// Draws docs/screenshots/hover-buttons.png: the command button with an icon and with a
// bitmap, each normal, hovered, pressed, checked and disabled, as real widgets grabbed
// from a window on the headless platform. Usage: hover_button_screenshot OUTPUT.png
#include "HoverButton.h"
#include "OffscreenTool.h"
#include "resource.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QTest>

#include <cstdlib>
#include <vector>

namespace {

constexpr int kButtonWidth = 112;
constexpr int kButtonHeight = 64;
constexpr int kGap = 12;
constexpr int kTop = 34;
const char* const kStates[] = {"Normal", "Hovered", "Pressed", "Checked", "Disabled"};

CHoverButton* AddButton(QWidget* window, int column, int row, bool bIcon)
{
    const DWORD style = column == 3 ? BS_AUTOCHECKBOX | BS_PUSHLIKE | BS_CENTER : BS_PUSHBUTTON;
    auto* button = new CHoverButton(window, style);
    button->setGeometry(kGap + column * (kButtonWidth + kGap), kTop + row * (kButtonHeight + kGap),
                        kButtonWidth, kButtonHeight);
    if (bIcon)
        button->AssignIcon(IDI_PRINT);
    else
        button->AssignBitmap(IDB_SAVE, RGB(255, 0, 255));
    button->SetContentLayout(1);
    button->setText(QString::fromLatin1(bIcon ? "Print" : "Save"));
    return button;
}

// The button as it looks while the mouse is over it, or held down on it.
QImage GrabWhile(CHoverButton* button, bool bPressed)
{
    const QPoint centre = button->rect().center();
    QTest::mouseMove(button, centre);
    if (bPressed)
        QTest::mousePress(button, Qt::LeftButton, {}, centre);
    const QImage shot = button->grab().toImage();
    if (bPressed)
        QTest::mouseRelease(button, Qt::LeftButton, {}, centre);
    return shot;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2; // the output is named
    COffscreenTool tool(argc, argv);

    QWidget window;
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12);
    window.setFont(font);
    window.resize(kGap + 5 * (kButtonWidth + kGap), kTop + 2 * (kButtonHeight + kGap));
    std::vector<CHoverButton*> row[2];
    for (int column = 0; column < 5; ++column) {
        auto* label = new QLabel(QString::fromLatin1(kStates[column]), &window);
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(kGap + column * (kButtonWidth + kGap), 8, kButtonWidth, 20);
        for (int r = 0; r < 2; ++r)
            row[r].push_back(AddButton(&window, column, r, r == 0));
    }
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;

    QImage held[2][2];
    for (int r = 0; r < 2; ++r) {
        row[r][3]->SetCheckState(TRUE);
        row[r][4]->setEnabled(false);
        held[r][0] = GrabWhile(row[r][1], false);
        held[r][1] = GrabWhile(row[r][2], true);
    }
    QTest::mouseMove(&window, QPoint(window.width() - 1, window.height() - 1));
    QApplication::processEvents();

    // One mouse can light only one button at a time: the window as it is, with the hovered
    // and pressed buttons laid over it as they looked.
    QImage picture = window.grab().toImage();
    QPainter painter(&picture);
    for (int r = 0; r < 2; ++r) {
        painter.drawImage(row[r][1]->geometry().topLeft(), held[r][0]);
        painter.drawImage(row[r][2]->geometry().topLeft(), held[r][1]);
    }
    painter.end();
    return picture.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
