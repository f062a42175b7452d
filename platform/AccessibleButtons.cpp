#include "AccessibleButtons.h"

#include "OwnerDrawButton.h"

#include <QAccessibleWidget>
#include <QKeySequence>
#include <QRadioButton>

namespace {

// A button's caption without its mnemonic markers: "&&" stands for one ampersand.
QString WithoutMnemonic(const QString& text)
{
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        plain += text[i];
    }
    return plain;
}

class CAccessibleButton : public QAccessibleWidget
{
public:
    CAccessibleButton(QAbstractButton* pButton, QAccessible::Role role) : QAccessibleWidget(pButton, role) {}

    QAbstractButton* Button() const { return static_cast<QAbstractButton*>(widget()); }
    const COwnerDrawButton* OwnerDrawn() const { return qobject_cast<const COwnerDrawButton*>(widget()); }
    bool Checkable() const { return OwnerDrawn() ? OwnerDrawn()->IsToggle() : Button()->isCheckable(); }
    bool Checked() const { return OwnerDrawn() ? OwnerDrawn()->IsOn() : Button()->isChecked(); }

    QString text(QAccessible::Text t) const override
    {
        QString text;
        if (t == QAccessible::Name) {
            text = widget()->accessibleName();
            if (text.isEmpty())
                text = WithoutMnemonic(Button()->text());
        } else if (t == QAccessible::Accelerator) {
            const QKeySequence keys = QKeySequence::mnemonic(Button()->text());
            text = keys.toString(QKeySequence::NativeText);
        }
        return text.isEmpty() ? QAccessibleWidget::text(t) : text;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = Checkable();
        state.checked = Checked();
        // A checked toggle is drawn pressed in, and is told so: a bridge without a word
        // for checkable buttons still says which view is on.
        state.pressed = Button()->isDown() || (OwnerDrawn() && Checkable() && Checked());
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (widget()->isEnabled())
            names << (Checkable() ? toggleAction() : pressAction());
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& actionName) override
    {
        if (!widget()->isEnabled())
            return;
        if (actionName == pressAction() || actionName == toggleAction())
            Button()->click();
        else
            QAccessibleWidget::doAction(actionName);
    }

    QStringList keyBindingsForAction(const QString& actionName) const override
    {
        if (actionName != pressAction() && actionName != toggleAction())
            return {};
        const QKeySequence keys = QKeySequence::mnemonic(Button()->text());
        return keys.isEmpty() ? QStringList() : QStringList{keys.toString(QKeySequence::NativeText)};
    }
};

// Qt asks the factories installed last first, for each class of the object from the most
// derived one up: this one answers before Qt's own for a radio button, and for every
// owner-drawn button that has no description of its own.
QAccessibleInterface* ButtonFactory(const QString& strClassName, QObject* pObject)
{
    if (strClassName == QLatin1String("QRadioButton")) {
        if (auto* radio = qobject_cast<QRadioButton*>(pObject))
            return new CAccessibleButton(radio, QAccessible::RadioButton);
    } else if (strClassName == QLatin1String("COwnerDrawButton")) {
        if (auto* button = qobject_cast<COwnerDrawButton*>(pObject))
            return new CAccessibleButton(button, QAccessible::Button);
    }
    return nullptr;
}

} // namespace

void InstallAccessibleButtons()
{
    static const bool installed = [] {
        QAccessible::installFactory(ButtonFactory);
        return true;
    }();
    (void)installed;
}

void NotifyCheckedChanged(QAbstractButton* pButton)
{
    if (!QAccessible::isActive())
        return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(pButton, changed);
    QAccessible::updateAccessibility(&event);
}
