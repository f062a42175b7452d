// The class library's modal dialog on QDialog: DoModal runs it through the modal host,
// OnInitDialog prepares it at the start of every run, and the codes it ends with keep
// their Windows values (IDOK, IDCANCEL, IDYES, ...). Esc and the close button reach
// OnCancel, as they do on Windows.
#pragma once

#include "DialogTemplate.h"
#include "WinTypes.h"

#include <QDialog>
#include <map>
#include <vector>

class QLineEdit;

// A one-line edit box without a length limit of its own.
QLineEdit* CreateLineEdit(QWidget* pParent);

class CDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CDialog(QWidget* pParent = nullptr);

    // Runs the dialog modally and returns the code it ended with.
    int DoModal();
    // The modal run itself, as the host performs it: initialise, then Qt's modal loop.
    int RunModalLoop();
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    // The control of a template id, or null.
    QWidget* GetDlgItem(int nId) const;

protected:
    // Builds the dialog from its template: its caption, client size and font, and every
    // control at its place, shown, enabled and in tab order as the template says. Controls
    // the dialog supplies itself come from CreateControl; the rest are plain Qt widgets.
    void CreateFromTemplate(const DialogTemplate& dialogTemplate);
    virtual QWidget* CreateControl(const ControlTemplate& control);

    void accept() override;
    void reject() override;
    // Enter presses the focused push button, or else means IDOK, as in a Windows dialog.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ApplyTemplateLayout();
    QWidget* CreateStandardControl(const ControlTemplate& control);
    void RouteOkAndCancel(QWidget* pWidget, int nId);
    std::map<int, QWidget*> m_controls;
    const DialogTemplate* m_pTemplate = nullptr;
    std::vector<QWidget*> m_templateWidgets; // in template order, one for each control
};
